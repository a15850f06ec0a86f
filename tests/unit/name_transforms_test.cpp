#include "rename/name_transforms.h"
#include "app/ansi_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Byte(unsigned value) { return std::string(1, static_cast<char>(value)); }

}  // namespace

TEST(AnsiCase, WholeNameIncludingExtension) {
  EXPECT_EQ(ToLowerAnsi("Photo.Old.JPG"), "photo.old.jpg");
  EXPECT_EQ(ToUpperAnsi("Photo.Old.JPG"), "PHOTO.OLD.JPG");
  EXPECT_EQ(ToLowerAnsi("already lower 123_~.txt"), "already lower 123_~.txt");
}

TEST(AnsiCase, AccentedLettersOfCodePage1252) {
  EXPECT_EQ(ToLowerAnsi("\xC9"
                        "T\xC9"
                        ".TXT"),
            "\xE9"
            "t\xE9"
            ".txt");
  EXPECT_EQ(ToUpperAnsi("\xE9"
                        "t\xE9"
                        ".txt"),
            "\xC9"
            "T\xC9"
            ".TXT");

  for (unsigned capital = 0xC0; capital <= 0xDE; ++capital) {
    if (capital == 0xD7) continue;
    EXPECT_EQ(ToLowerAnsi(Byte(capital)), Byte(capital + 0x20)) << capital;
    EXPECT_EQ(ToUpperAnsi(Byte(capital + 0x20)), Byte(capital)) << capital;
  }
  const unsigned pairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
  for (const auto& pair : pairs) {
    EXPECT_EQ(ToLowerAnsi(Byte(pair[0])), Byte(pair[1]));
    EXPECT_EQ(ToUpperAnsi(Byte(pair[1])), Byte(pair[0]));
  }
}

TEST(AnsiCase, SignsAndCaselessLettersStay) {
  // multiplication and division signs, sharp s, micro sign
  for (unsigned same : {0xD7u, 0xF7u, 0xDFu, 0xB5u, 0x80u, 0x83u, 0x00u, 0x7Fu}) {
    EXPECT_EQ(ToLowerAnsi(Byte(same)), Byte(same)) << same;
    EXPECT_EQ(ToUpperAnsi(Byte(same)), Byte(same)) << same;
  }
  EXPECT_EQ(ToUpperAnsi("stra\xDF"
                        "e"),
            "STRA\xDF"
            "E");
}

TEST(SubstituteFirst, FirstOccurrenceRegardlessOfCaseKeepsTheRest) {
  EXPECT_EQ(SubstituteFirst("image7.jpg", "image", "img"), "img7.jpg");
  EXPECT_EQ(SubstituteFirst("Image34.JPG", "image", "img"), "img34.JPG");
  EXPECT_EQ(SubstituteFirst("car_image9.jpg", "image", "img"), "car_img9.jpg");
  EXPECT_EQ(SubstituteFirst("image_image.jpg", "image", "img"), "img_image.jpg");
  EXPECT_EQ(SubstituteFirst("photo.jpg", "PHOTO", "Pic"), "Pic.jpg");
  EXPECT_EQ(SubstituteFirst("\xC9"
                            "t\xE9"
                            ".txt",
                            "\xE9"
                            "T\xC9",
                            "x"),
            "x.txt");
}

TEST(SubstituteFirst, EmptyTexts) {
  EXPECT_EQ(SubstituteFirst("photo.jpg", "", "img"), "imgphoto.jpg");
  EXPECT_EQ(SubstituteFirst("image7.jpg", "image", ""), "7.jpg");
  EXPECT_EQ(SubstituteFirst("photo.jpg", "", ""), "photo.jpg");
}

TEST(SubstituteFirst, MatchesInTheExtensionAndDots) {
  EXPECT_EQ(SubstituteFirst("a.jpg", "jpg", "jpeg"), "a.jpeg");
  EXPECT_EQ(SubstituteFirst("a.b.c", ".", "_"), "a_b.c");
  EXPECT_EQ(SubstituteFirst("archive.tar.gz", "tar.gz", "tgz"), "archive.tgz");
}

TEST(SubstituteFirst, NoOccurrence) {
  EXPECT_EQ(SubstituteFirst("photo.jpg", "image", "img"), std::nullopt);
  EXPECT_EQ(SubstituteFirst("a.jpg", "a.jpg.bak", "x"), std::nullopt);
  EXPECT_EQ(SubstituteFirst("", "a", "x"), std::nullopt);
}

TEST(NumberedName, AtLeastFourDigits) {
  EXPECT_EQ(NumberedName("NewFile", 0, "jpg"), "NewFile0000.jpg");
  EXPECT_EQ(NumberedName("my_house_image_", 10, "jpg"), "my_house_image_0010.jpg");
  EXPECT_EQ(NumberedName("x", 9999, "jpg"), "x9999.jpg");
  EXPECT_EQ(NumberedName("x", 10000, "jpg"), "x10000.jpg");
  EXPECT_EQ(NumberedName("x", 4294967295u, "jpg"), "x4294967295.jpg");
}

TEST(NumberedName, PartsAreUsedAsTyped) {
  EXPECT_EQ(NumberedName("", 0, "jpg"), "0000.jpg");
  EXPECT_EQ(NumberedName("NewFile", 1, ""), "NewFile0001.");
  EXPECT_EQ(NumberedName("NewFile", 0, ".jp"), "NewFile0000..jp");
}
