// A bounded run of damaged project files through QV2D.dll: bit flips, truncations, spliced
// garbage, nesting bombs and lying sizes in every file form. No file may crash or hang the
// library, and every refused file must leave the project that was open before it untouched.
#include "FileTestEnv.h"

#include <cstdint>

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

// A small fixed-seed generator: every run damages the files the same way.
class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed) {}
    uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    size_t Below(size_t n) { return n == 0 ? 0 : Next() % n; }

private:
    uint32_t m_state;
};

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

Bytes FlipBits(Bytes b, Random& r)
{
    const size_t flips = 1 + r.Below(8);
    for (size_t i = 0; i < flips && !b.empty(); ++i)
        b[r.Below(b.size())] ^= static_cast<unsigned char>(1u << r.Below(8));
    return b;
}

Bytes Truncate(const Bytes& b, Random& r) { return Bytes(b.begin(), b.begin() + static_cast<long>(r.Below(b.size()))); }

Bytes Splice(Bytes b, Random& r)
{
    Bytes garbage(1 + r.Below(64));
    for (unsigned char& c : garbage)
        c = static_cast<unsigned char>(r.Next());
    b.insert(b.begin() + static_cast<long>(r.Below(b.size())), garbage.begin(), garbage.end());
    return b;
}

// Deep nesting (closed or not) or a long flat run of elements, inside the data.
Bytes Bomb(const Bytes& bare, Random& r)
{
    std::wstring text = Utf16Text(bare);
    const size_t depth = 500 + r.Below(20000);
    std::wstring bomb;
    const size_t kind = r.Below(3);
    for (size_t i = 0; i < depth; ++i)
        bomb += kind == 2 ? L"<Resource/>" : L"<Resource>";
    if (kind == 1) {
        for (size_t i = 0; i < depth; ++i)
            bomb += L"</Resource>";
    }
    const size_t at = text.find(L"<Resources>");
    text.insert(at == std::wstring::npos ? text.size() / 2 : at + 11, bomb);
    return Utf16File(text);
}

// Lying sizes and lengths in the local header of an archive.
Bytes LyingZip(Bytes b, Random& r)
{
    static const size_t kFields[] = {18, 22};
    static const uint32_t kValues[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x20000000u, 0x80000000u, 0, 1};
    if (r.Below(2)) {
        Put32(b, kFields[r.Below(2)], kValues[r.Below(6)]);
    } else {
        const size_t field = r.Below(2) ? 26 : 28;
        const uint32_t value = static_cast<uint32_t>(r.Below(2) ? 0xFFFF : r.Below(64));
        b[field] = static_cast<unsigned char>(value & 0xFF);
        b[field + 1] = static_cast<unsigned char>(value >> 8);
    }
    return b;
}

// A number in the document replaced by a huge or odd one.
Bytes OddNumber(const Bytes& bare, Random& r)
{
    std::wstring text = Utf16Text(bare);
    static const wchar_t* const kNumbers[] = {L"99999999999999999999", L"-2147483648", L"2147483647", L"0", L"1e308",
                                              L"", L"-", L"nan", L"20241399", L"99:99"};
    static const wchar_t* const kTags[] = {L"<ID>", L"<CalendarID>", L"<DateStart>", L"<TimeEnd>", L"<CostsFixed>",
                                           L"<ColorBk>", L"<Position>", L"<DllRequiredVersion>"};
    const std::wstring tag = kTags[r.Below(8)];
    size_t at = text.find(tag);
    for (size_t skip = r.Below(4); skip > 0 && at != std::wstring::npos; --skip)
        at = text.find(tag, at + 1);
    if (at != std::wstring::npos) {
        const size_t start = at + tag.size();
        const size_t end = text.find(L'<', start);
        text.replace(start, end - start, kNumbers[r.Below(10)]);
    }
    return Utf16File(text);
}

class FileFuzzTest : public FileTest {
protected:
    void SetUp() override
    {
        FileTest::SetUp();
        bare = Fixture(L"project-utf16le.wqv");
        legacy = Fixture(L"legacy.wqv");
        ASSERT_EQ(root->Open(CopyFixture(L"project-utf16le.wqv").c_str(), false), 0);
        ASSERT_EQ(root->Save(Path(L"zipped.wqv").c_str(), true), 0);
        zipped = ReadFileBytes(Path(L"zipped.wqv"));
        baselinePath = Path(L"baseline.wqv");
        ASSERT_TRUE(WriteFileBytes(baselinePath, bare));
        ASSERT_EQ(root->Open(baselinePath.c_str(), false), 0);
        baselineModel = DumpModel(root);
    }

    // Opens one damaged file; a refusal must leave the baseline project and file as they were,
    // an acceptance is undone by opening the baseline again.
    void Try(const Bytes& mutant, const char* kind, int iteration)
    {
        SCOPED_TRACE(testing::Message() << kind << " #" << iteration);
        const std::wstring path = Path(L"mutant.wqv");
        ASSERT_TRUE(WriteFileBytes(path, mutant));
        const int status = root->Open(path.c_str(), false);
        if (status == 0 || status == kErrReadOnly) {
            ASSERT_EQ(root->Open(baselinePath.c_str(), false), 0);
            ASSERT_EQ(DumpModel(root), baselineModel);
            return;
        }
        EXPECT_TRUE(status == kErrTransaction || status == kErrInvalid || status == kErrFormat ||
                    status == kErrIo || status == kErrNewerVersion)
            << "status " << status;
        wchar_t open[kPathChars];
        ASSERT_EQ(std::wstring(root->GetPath(open)), baselinePath);
        ASSERT_EQ(DumpModel(root), baselineModel);
        ASSERT_FALSE(root->IsModified());
    }

    Bytes bare;
    Bytes zipped;
    Bytes legacy;
    std::wstring baselinePath;
    std::wstring baselineModel;
};

TEST_F(FileFuzzTest, DamagedFiles_neverCrashAndLeaveTheOpenProject)
{
    Random r(20240117u);
    for (int i = 0; i < 60; ++i) {
        Try(FlipBits(bare, r), "bare flip", i);
        Try(FlipBits(zipped, r), "zipped flip", i);
        Try(FlipBits(legacy, r), "legacy flip", i);
        Try(Truncate(bare, r), "bare cut", i);
        Try(Truncate(zipped, r), "zipped cut", i);
        Try(Truncate(legacy, r), "legacy cut", i);
        Try(Splice(bare, r), "bare splice", i);
        Try(Splice(zipped, r), "zipped splice", i);
        Try(LyingZip(zipped, r), "zipped sizes", i);
        Try(OddNumber(bare, r), "odd number", i);
        if (i % 6 == 0)
            Try(Bomb(bare, r), "nesting bomb", i);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
