// Tests of whole-file reading and atomic replacement on their own, by Unicode paths.
#include <gtest/gtest.h>

#include "FileIo.h"
#include "SaveTestSupport.h"

TEST(FileIo, ReadsWholeFilesAndRefusesWhatCannotBeRead)
{
    CTempFolder folder(u8"读取");
    const std::vector<uint8_t> bytes = {1, 0, 2, 0xFF, 3};
    WriteBytes(folder / u8"文件.sav", bytes);
    WriteBytes(folder / u8"empty.sav", {});

    std::vector<uint8_t> read = {9};
    EXPECT_EQ(ReadWholeFile(folder / u8"文件.sav", read), FileReadStatus::Ok);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(ReadWholeFile(folder / u8"empty.sav", read), FileReadStatus::Ok);
    EXPECT_TRUE(read.empty());
    read = {9};
    EXPECT_EQ(ReadWholeFile(folder / u8"none.sav", read), FileReadStatus::CannotRead);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(ReadWholeFile(folder.m_path, read), FileReadStatus::CannotRead);
}

TEST(FileIo, RefusesFilesBeyondInt32WithoutReadingThem)
{
    CTempFolder folder;
    const std::filesystem::path path = folder / u8"big.sav";
    WriteBytes(path, {});
    std::filesystem::resize_file(path, uintmax_t(INT32_MAX) + 1);
    std::vector<uint8_t> read;
    EXPECT_EQ(ReadWholeFile(path, read), FileReadStatus::TooLarge);
    EXPECT_TRUE(read.empty());
}

TEST(FileIo, ReplacesOrCreatesTheFileInOneStep)
{
    CTempFolder folder(u8"写入");
    const std::filesystem::path path = folder / u8"目标.sav";
    const std::vector<uint8_t> first(100000, 0xAB);
    const std::vector<uint8_t> second = {1, 2, 3};
    EXPECT_TRUE(WriteFileAtomically(path, first));
    EXPECT_TRUE(SameBytes(first, ReadBytes(path)));
    EXPECT_TRUE(WriteFileAtomically(path, second)); // a shorter file leaves no tail behind
    EXPECT_TRUE(SameBytes(second, ReadBytes(path)));
    EXPECT_TRUE(WriteFileAtomically(path, {}));
    EXPECT_TRUE(ReadBytes(path).empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.m_path), {}), 1);
}
