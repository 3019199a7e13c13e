#include "store/ConfigDocument.h"

#include <sys/stat.h>

#include <climits>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/common/DocumentFixture.h"

namespace trelink {
namespace {

using test::Entry;
using test::ReadFile;

class ConfigDocumentTest : public test::DocumentFixture {
protected:
    int Count() {
        int count = -1;
        EXPECT_EQ(m_document.GetHardwareCount(count), kOk);
        return count;
    }
    std::tuple<int, int, int> State(int number) {
        int active = -1, isDefault = -1, code = -1;
        EXPECT_EQ(m_document.GetHardwareState(number, active, isDefault, code), kOk);
        return {active, isDefault, code};
    }
};

// Only the "Hardware" elements of the first "configuration" are entries.
TEST_F(ConfigDocumentTest, RemovingAnEntryRenumbersTheLaterOnes) {
    Open("<configuration>" + Entry("1", "0", "1", "1") +
         "<Other/><!-- not counted --><?Hardware not counted either?>" + Entry("1", "0", "2", "2") +
         Entry("0", "0", "3", "3") + "</configuration><configuration>" + Entry("1", "1", "4", "4") +
         "</configuration>");
    EXPECT_EQ(Count(), 3);
    EXPECT_EQ(m_document.RemoveHardware(2), kOk);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(State(2), std::make_tuple(0, 0, 3));

    ConfigDocument reread;
    ASSERT_EQ(reread.SetConfigFile(m_path), kOk);
    EXPECT_EQ(reread.GetHardwareType(2), 3);
}

// An entry whose "IsActive" holds "1" so far down that the deepest element lies at depth;
// the root, "configuration", "Hardware" and "IsActive" are the first four levels.
std::string NestedEntry(int depth) {
    std::string open, close;
    for (int level = 5; level <= depth; ++level) {
        open += "<a>";
        close += "</a>";
    }
    return Entry(open + "1" + close, "0", "0", "1");
}

TEST_F(ConfigDocumentTest, FilesNestedBeyondTheLimitAreRefusedAndFilesAtItWork) {
    for (const int depth : {257, 200000}) {
        test::WriteFile(m_path,
                        "<Root><configuration>" + NestedEntry(depth) + "</configuration></Root>");
        EXPECT_EQ(m_document.SetConfigFile(m_path), kCannotLoad) << depth;
    }
    Open("<configuration>" + NestedEntry(256) + Entry("0", "0", "0", "2") + "</configuration>");
    EXPECT_EQ(m_document.IsHardwareActive(1), 1);
    EXPECT_EQ(m_document.Save(), kOk);
    EXPECT_EQ(m_document.Load(), kOk) << "what a save writes loads again";
    EXPECT_EQ(m_document.RemoveHardware(1), kOk);
    EXPECT_EQ(Count(), 1);
}

TEST_F(ConfigDocumentTest, NumbersOutsideTheEntriesReadNothingAndWriteNothing) {
    Open("<configuration>" + Entry("1", "0", "5", "2") + "</configuration>");
    const std::string before = ReadFile(m_path);
    for (int number : {0, 2, INT_MIN}) {
        EXPECT_EQ(State(number), std::make_tuple(0, 0, 0)) << number;
        EXPECT_EQ(m_document.GetHardwareValue(number, "HWType"), "") << number;
        EXPECT_EQ(m_document.SetHardwareState(number, 1, 0, 3), kOk) << number;
        EXPECT_EQ(m_document.RemoveHardware(number), kOk) << number;
    }
    EXPECT_EQ(Saves(), 0);
    EXPECT_EQ(ReadFile(m_path), before);

    // -1 selects no number in a path query, so the first entry answers there,
    // while the direct entry lookups find none.
    EXPECT_EQ(State(-1), std::make_tuple(1, 0, 5));
    EXPECT_EQ(m_document.GetHardwareValue(-1, "HWType"), "");
    EXPECT_EQ(m_document.IsHardwareActive(-1), 0);
    EXPECT_EQ(m_document.GetHardwareType(-1), 0);
}

TEST_F(ConfigDocumentTest, MakingOneEntryTheDefaultRewritesEveryOtherEntry) {
    Open("<configuration>" + Entry("1", "1", "11", "1") + Entry("0", "0", "22", "2") +
         Entry("0", "1", "33", "3") + "</configuration>");
    EXPECT_EQ(m_document.SetHardwareState(2, 1, 1, 22), kOk);
    EXPECT_EQ(State(1), std::make_tuple(1, 0, 11));
    EXPECT_EQ(State(2), std::make_tuple(1, 1, 22));
    EXPECT_EQ(State(3), std::make_tuple(0, 0, 33));
    // Only the four values that changed were saved, not all nine writes.
    EXPECT_EQ(Saves(), 4);
}

TEST_F(ConfigDocumentTest, AWriteGroupSavesOnceAndReportsWhatItsWritesWould) {
    Open("<configuration>" + Entry("1", "0", "0", "1") + Entry("1", "0", "0", "2") +
         "</configuration>");
    {
        ConfigDocument::WriteGroup group(m_document);
        EXPECT_EQ(m_document.SetHardwareState(1, 1, 0, 41), kOk);
        EXPECT_EQ(m_document.SetHardwareState(2, 1, 1, 42), kOk);
        EXPECT_EQ(Saves(), 0);
        EXPECT_EQ(group.Commit(), kOk);
    }
    EXPECT_EQ(Saves(), 1);
    EXPECT_NE(ReadFile(m_path).find("<ErrorCode>42</ErrorCode>"), std::string::npos);

    // A read-only file is reported once, whether the writes changed anything or not, and the
    // tree keeps the change for a later save.
    ASSERT_EQ(::chmod(m_path.c_str(), 0444), 0);
    for (const int written : {41, 43}) {
        ConfigDocument::WriteGroup group(m_document);
        m_document.SetHardwareState(1, 1, 0, written);
        EXPECT_EQ(group.Commit(), kCannotSave) << written;
    }
    ASSERT_EQ(::chmod(m_path.c_str(), 0644), 0);
    EXPECT_EQ(ConfigDocument::WriteGroup(m_document).Commit(), kOk) << "nothing written";
    {
        ConfigDocument::WriteGroup unclosed(m_document);
        m_document.SetHardwareState(2, 0, 1, 42);
    }
    EXPECT_EQ(Saves(), 2);
    EXPECT_NE(ReadFile(m_path).find("<ErrorCode>43</ErrorCode>"), std::string::npos);
}

TEST_F(ConfigDocumentTest, PathQueryCollectsTheWholeTextOfEverySiblingAtTheLastLevel) {
    Open("<configuration>" + Entry("1", "0", "0", "1", "<X>a</X><X>b<Y>c</Y><![CDATA[<d>]]></X>") +
         Entry("0", "0", "0", "2", "<X><Y>e</Y></X><X><Y>f</Y></X>") + "</configuration>");
    TextList texts;
    EXPECT_EQ(m_document.QueryValues({"configuration", "Hardware", "X"}, texts, 1), kOk);
    EXPECT_EQ(texts, (TextList{"a", "bc<d>"}));
    // The number selects among the entries only: not at the last level, nor below an entry.
    texts.clear();
    m_document.QueryValues({"configuration", "Hardware"}, texts, 2);
    EXPECT_EQ(texts.size(), 2u);
    texts.clear();
    m_document.QueryValues({"configuration", "Hardware", "X", "Y"}, texts, 2);
    EXPECT_EQ(texts, TextList{"e"});
}

TEST_F(ConfigDocumentTest, AValueWrittenOverAContainerReplacesItAndAddingNeedsAConfiguration) {
    Open("<configuration>" + Entry("1", "0", "0", "1") + Entry("1", "0", "0", "2") +
         "</configuration><Hardwaretypes><Type1><HWName0>USB</HWName0></Type1></Hardwaretypes>");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(m_document.SetValue({"configuration"}, "gone", kNoHardware), kOk);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(m_document.GetHardwareType(1), 0);
    EXPECT_EQ(m_document.SetValue({"Hardwaretypes"}, "", kNoHardware), kOk);
    std::string name;
    EXPECT_EQ(m_document.GetHardwareName(name, kNoHardware, "Type1"), kOk);
    EXPECT_EQ(name, "");

    Open("<Hardwaretypes/>");
    EXPECT_EQ(m_document.AddHardwareOfType(1), kNoConfigurationElement);
    EXPECT_EQ(Saves(), 0);
}

TEST_F(ConfigDocumentTest, FailedLoadKeepsThePreviousTree) {
    Open("<configuration>" + Entry("1", "1", "0", "1") + "</configuration>");
    const std::string pipe = m_dir.File("pipe.xml");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const std::string& path :
         {m_dir.Write("broken.xml", "<Root><configuration><Hardware></configuration>"),
          m_dir.File("missing.xml"), m_dir.Path().string(), pipe, std::string()}) {
        // A pipe must fail at once instead of waiting for a writer.
        EXPECT_EQ(m_document.SetConfigFile(path), kCannotLoad) << path;
    }
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(m_document.Save(), kCannotSave) << "an empty path is never written";
}

}  // namespace
}  // namespace trelink
