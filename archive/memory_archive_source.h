// An archive held in memory: the fuzzer's and the tests' input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "archive/archive_format.h"

namespace archive_format {

class MemoryArchiveSource final : public ArchiveSource {
public:
    explicit MemoryArchiveSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(void* buffer, std::size_t count) override {
        if (position_ >= bytes_.size()) {
            return 0;
        }
        const auto available = static_cast<std::size_t>(bytes_.size() - position_);
        const std::size_t n = std::min(count, available);
        std::memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }

    // Like a file, a position past the end is allowed; reads there give 0.
    void SeekTo(std::uint64_t offset) override { position_ = offset; }

    std::uint64_t Length() override { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

}  // namespace archive_format
