// Every shipped image is a 32-bit PE file with a version block, found in the program folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const wchar_t* const kImages[] = {
    L"Win-Quorvia2-Viewer.exe", L"QV2D.dll", L"RKPrintEngine2.dll",
    L"QV2R.dll", L"RKComControls2.dll", L"QV2ResV.dll", L"QV2BoardView.dll",
};

std::wstring VersionString(const std::wstring& file, const wchar_t* key)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data()))
        return {};
    struct Translation {
        WORD language, codePage;
    };
    Translation* tr = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&tr), &len) || len < sizeof(Translation))
        return {};
    wchar_t path[80];
    swprintf(path, 80, L"\\StringFileInfo\\%04hX%04hX\\%ls", tr->language, tr->codePage, key);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&value), &len) || !value)
        return {};
    return value;
}

TEST(DeliverableImages, ArePE32WithVersionBlocks)
{
    for (const wchar_t* name : kImages) {
        SCOPED_TRACE(testing::Message() << std::string(name, name + wcslen(name)));
        std::ifstream in(name, std::ios::binary);
        ASSERT_TRUE(in) << "missing from the program folder";
        std::vector<char> head(4096);
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(head.data());
        ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
        ASSERT_LT(static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32), head.size());
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(head.data() + dos->e_lfanew);
        EXPECT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
#ifdef _WIN64
        // The 64-bit test build of a machine that cannot run 32-bit Wine (scripts/wine-arch);
        // the 32-bit deliverables themselves are checked by scripts/build.
        EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
        EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
#else
        EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
        EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
#endif
        EXPECT_EQ(VersionString(name, L"ProductVersion"), L"2.0.1.1");
        EXPECT_EQ(VersionString(name, L"OriginalFilename"), name);
    }
}

} // namespace
