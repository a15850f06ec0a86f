#include "rename/name_transforms.h"

#include <gtest/gtest.h>

#include <string>

TEST(SubstituteFirst, FirstOccurrenceRegardlessOfCaseKeepsTheRest) {
  EXPECT_EQ(SubstituteFirst(L"image7.jpg", L"image", L"img"), L"img7.jpg");
  EXPECT_EQ(SubstituteFirst(L"Image34.JPG", L"image", L"img"), L"img34.JPG");
  EXPECT_EQ(SubstituteFirst(L"car_image9.jpg", L"image", L"img"), L"car_img9.jpg");
  EXPECT_EQ(SubstituteFirst(L"image_image.jpg", L"image", L"img"), L"img_image.jpg");
  EXPECT_EQ(SubstituteFirst(L"photo.jpg", L"PHOTO", L"Pic"), L"Pic.jpg");
  EXPECT_EQ(SubstituteFirst(L"Été.txt", L"éTÉ", L"x"), L"x.txt");
}

TEST(SubstituteFirst, EmptyTexts) {
  EXPECT_EQ(SubstituteFirst(L"photo.jpg", L"", L"img"), L"imgphoto.jpg");
  EXPECT_EQ(SubstituteFirst(L"image7.jpg", L"image", L""), L"7.jpg");
  EXPECT_EQ(SubstituteFirst(L"photo.jpg", L"", L""), L"photo.jpg");
}

TEST(SubstituteFirst, MatchesInTheExtensionAndDots) {
  EXPECT_EQ(SubstituteFirst(L"a.jpg", L"jpg", L"jpeg"), L"a.jpeg");
  EXPECT_EQ(SubstituteFirst(L"a.b.c", L".", L"_"), L"a_b.c");
  EXPECT_EQ(SubstituteFirst(L"archive.tar.gz", L"tar.gz", L"tgz"), L"archive.tgz");
}

TEST(SubstituteFirst, NoOccurrence) {
  EXPECT_EQ(SubstituteFirst(L"photo.jpg", L"image", L"img"), std::nullopt);
  EXPECT_EQ(SubstituteFirst(L"a.jpg", L"a.jpg.bak", L"x"), std::nullopt);
  EXPECT_EQ(SubstituteFirst(L"", L"a", L"x"), std::nullopt);
}

TEST(NumberedName, AtLeastFourDigits) {
  EXPECT_EQ(NumberedName(L"NewFile", 0, L"jpg"), L"NewFile0000.jpg");
  EXPECT_EQ(NumberedName(L"my_house_image_", 10, L"jpg"), L"my_house_image_0010.jpg");
  EXPECT_EQ(NumberedName(L"x", 9999, L"jpg"), L"x9999.jpg");
  EXPECT_EQ(NumberedName(L"x", 10000, L"jpg"), L"x10000.jpg");
  EXPECT_EQ(NumberedName(L"x", 4294967295u, L"jpg"), L"x4294967295.jpg");
}

TEST(NumberedName, PartsAreUsedAsTyped) {
  EXPECT_EQ(NumberedName(L"", 0, L"jpg"), L"0000.jpg");
  EXPECT_EQ(NumberedName(L"NewFile", 1, L""), L"NewFile0001.");
  EXPECT_EQ(NumberedName(L"NewFile", 0, L".jp"), L"NewFile0000..jp");
}
