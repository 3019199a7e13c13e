#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "services/AtomicFile.h"
#include "store/ConfigDocument.h"
#include "store/Latin1Output.h"
#include "tests/common/DocumentFixture.h"

namespace trelink {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using Call = FileSystem::Call;

// Declaration, document type, comments, a processing instruction and markup of others.
const std::string kConfiguration = ReadFile(TRELINK_TEST_DATA "/save/kept.xml");

// A file system whose temporary files must have names, as one without O_TMPFILE.
int NamedOnly(Call call) {
    return call == Call::OpenUnnamed ? EOPNOTSUPP : 0;
}

class SaveTest : public test::DocumentFixture {
protected:
    void SetUp() override { OpenFile(kConfiguration); }

    unsigned Mode() const {
        struct stat st {};
        EXPECT_EQ(::stat(m_path.c_str(), &st), 0);
        return st.st_mode & 07777;
    }
};

// Only the indentation is the save's own.
TEST_F(SaveTest, KeepsEverythingInTheFileThatTheToolDoesNotOwn) {
    const std::string saved = ReadFile(TRELINK_TEST_DATA "/save/kept-saved.xml");
    ASSERT_EQ(m_document.SetHardwareState(1, 1, 1, 0), kOk);
    EXPECT_EQ(ReadFile(m_path), saved);
    // Saving again without a change gives the same bytes: nothing drifts from save to save.
    ConfigDocument reread;
    ASSERT_EQ(reread.SetConfigFile(m_path), kOk);
    ASSERT_EQ(reread.Save(), kOk);
    EXPECT_EQ(ReadFile(m_path), saved);
}

// A file declared ISO-8859-1 stays so, even with its declaration behind a line break: what the
// encoding cannot hold is written as references, and a setting whose name it cannot hold is not
// created.
TEST_F(SaveTest, Latin1FileStaysLatin1AndKeepsCharactersBeyondItAsReferences) {
    for (const std::string before : {"", "\n"}) {
        OpenFile(before + ReadFile(TRELINK_TEST_DATA "/save/latin1.xml"));
        EXPECT_EQ(m_document.GetHardwareValue(1, "Name"), "Käfer €") << "read as UTF-8 inside";
        EXPECT_EQ(m_document.SetHardwareState(1, 1, 0, 0), kOk);
        EXPECT_EQ(m_document.SetValue({"configuration", "Hardware", "Name"}, "Ω-2 Käfer €", 1),
                  kOk);
        EXPECT_EQ(m_document.AddHardwareOfType(1), kOk);
        EXPECT_EQ(ReadFile(m_path), ReadFile(TRELINK_TEST_DATA "/save/latin1-saved.xml"));
    }
}

// What a file holds reads the same before and after a save, which moves the declaration to the
// front, rewrites its quoting and writes references out. So only the declaration's own
// "encoding" names the encoding, never a lookalike before or inside another attribute, and blanks
// and line ends read the same however they are written, as the parser reads them written out.
TEST_F(SaveTest, AValueReadsTheSameBeforeAndAfterASave) {
    const std::tuple<std::string, std::string, std::string> files[] = {
        {" <?xml version=\"1.0\" xencoding=\"latin1\"?>", "Bär", "Bär"},
        {"<?xml version=\"1.0\" xencoding=\"latin1\" encoding=\"UTF-8\"?>", "Bär", "Bär"},
        {"<?xml version=\"1.0\" x=\"&#101;ncoding='latin1'\"?>", "Bär", "Bär"},
        {"<?xml version=\"1.0\" x=\"en\" encoding=\"latin1\"?>", "B\xE4r", "Bär"},
        {"", "&#32;", ""},
        {"", "<X/>&#9;&#10;", ""},
        {"", "&#32;B<![CDATA[ ]]>", " B "},
        {"", "a&#13;&#10;b&#13;c&#13;", "a\nb\nc\n"},
    };
    for (const auto& [declaration, name, read] : files) {
        OpenFile(declaration + "<Root><configuration><Hardware><Name>" + name +
                 "</Name></Hardware></configuration></Root>");
        EXPECT_EQ(m_document.GetHardwareValue(1, "Name"), read) << declaration << name;
        ASSERT_EQ(m_document.Save(), kOk);
        ASSERT_EQ(m_document.Load(), kOk);
        EXPECT_EQ(m_document.GetHardwareValue(1, "Name"), read) << declaration << name;
    }
    for (const auto& [set, read] : {std::pair{" \t", ""}, std::pair{"x\r\ny\r", "x\ny\n"}}) {
        ASSERT_EQ(m_document.SetValue({"configuration", "Hardware", "Name"}, set, 1), kOk);
        EXPECT_EQ(m_document.GetHardwareValue(1, "Name"), read);
    }
}

TEST(Latin1OutputTest, OnlyTextAndAttributeValuesTakeCharactersBeyondLatin1) {
    const std::pair<const char*, bool> documents[] = {
        {"<a b=\"Ω\">Ωÿ</a>", true},     {"<a>ÿ<!--ÿ--></a>", true},  {"<Ω/>", false},
        {"<a Ω=\"1\"/>", false},         {"<a><!--Ω--></a>", false},  {"<a><?pi Ω?></a>", false},
        {"<a><![CDATA[Ω]]></a>", false}, {"<!DOCTYPE Ω><a/>", false},
    };
    for (const auto& [xml, fits] : documents) {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(xml, pugi::parse_full)) << xml;
        EXPECT_EQ(MarkupFitsLatin1(document), fits) << xml;
    }
    EXPECT_EQ(Latin1WithReferences("ä Ω 𐍈"), "\xE4 &#937; &#66376;");
    // Not UTF-8: cut short, overlong, a surrogate, beyond U+10FFFF.
    for (const char* broken : {"a\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_EQ(Latin1WithReferences(broken), std::nullopt) << broken;
    }
}

// The new content reaches the disk before it replaces the file: a failing fsync fails too.
TEST_F(SaveTest, AnyFailingCallFailsTheSaveAndLeavesTheFileWhole) {
    ASSERT_EQ(::chmod(m_path.c_str(), 0640), 0);
    std::vector<std::pair<Call, int>> failures = {{Call::Stat, EIO},     {Call::Access, EIO},
                                                  {Call::Fchmod, EPERM}, {Call::Write, ENOSPC},
                                                  {Call::Fsync, EIO},    {Call::Rename, EXDEV}};
    if (::geteuid() == 0) failures.emplace_back(Call::Fchown, EPERM);
    for (const auto& [call, error] : failures) {
        m_system.before = [call = call, error = error](Call made) {
            return made == call ? error : 0;
        };
        EXPECT_EQ(m_document.SetHardwareState(1, 1, 0, 0), kCannotSave) << int(call);
        EXPECT_EQ(ReadFile(m_path), kConfiguration) << int(call);
        EXPECT_EQ(Mode(), 0640u) << int(call);
        EXPECT_EQ(m_dir.Count(), 1) << int(call) << ": a temporary file was left behind";
    }
    // A write of the value the file already holds looks at the file too.
    ASSERT_EQ(m_document.Load(), kOk);
    m_system.before = [](Call made) { return made == Call::Stat ? EIO : 0; };
    EXPECT_EQ(m_document.SetHardwareState(1, 0, 0, 0), kCannotSave);
}

// True when the save, made in a child process, was killed at its n-th call.
bool KilledSave(const std::string& path, int n, bool unnamed) {
    const pid_t child = ::fork();
    if (child == 0) {
        test::SteeredFileSystem system;
        system.before = [&n, unnamed](Call call) {
            if (--n == 0) ::raise(SIGKILL);
            return unnamed ? 0 : NamedOnly(call);
        };
        WriteFileAtomically(path, "new", system);
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST_F(SaveTest, KilledSavesLeaveOneStrayFileAtMostAndTheNextSaveRemovesIt) {
    // Files of others, even a temporary file of the bus driver's, are never touched.
    m_dir.Write("notes.txt", "");
    m_dir.Write(".trelinkconfig.xml.Ab12Cd", "");
    for (const bool unnamed : {true, false}) {
        bool strayFound = false;
        // Killed at every call in turn, without a whole save in between, until one gets through.
        int n = 1;
        for (; KilledSave(m_path, n, unnamed); ++n) {
            const std::string content = ReadFile(m_path);
            EXPECT_TRUE(content == kConfiguration || content == "new") << n << unnamed;
            EXPECT_LE(m_dir.Count(), 4) << n << unnamed;
            strayFound = strayFound || m_dir.Count() == 4;
        }
        EXPECT_GT(n, 10);
        EXPECT_TRUE(strayFound) << unnamed;
        EXPECT_EQ(m_dir.Count(), 3) << unnamed;
        EXPECT_EQ(ReadFile(m_path), "new");
        test::WriteFile(m_path, kConfiguration);
    }
}

TEST_F(SaveTest, TheCleanUpNeverBreaksASaveOfAnotherProcess) {
    for (const bool unnamed : {true, false}) {
        for (const Call at : {Call::Flock, Call::Write, Call::Rename}) {
            // The other save runs in the middle of this one, at its first call of one kind.
            SaveError other = SaveError::WriteFailed;
            m_system.before = [&, at, unnamed, done = false](Call call) mutable {
                if (call == at && !std::exchange(done, true)) {
                    other = WriteFileAtomically(m_path, "other");
                }
                return unnamed ? 0 : NamedOnly(call);
            };
            EXPECT_EQ(WriteFileAtomically(m_path, "mine", m_system), SaveError::None)
                << unnamed << int(at);
            EXPECT_EQ(other, SaveError::None) << unnamed << int(at);
            EXPECT_EQ(ReadFile(m_path), "mine") << unnamed << int(at);
            EXPECT_EQ(m_dir.Count(), 1) << unnamed << int(at);
        }
    }
}

TEST_F(SaveTest, FileSizeLimitDuringSaveLeavesTheOldFileWhole) {
    // The limit applies to the whole process, so the save runs in a child of its own.
    const auto saveUnderLimit = [this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::_Exit(m_document.SetHardwareState(1, 1, 0, 0) == kCannotSave ? 0 : 1);
    };
    EXPECT_EXIT(saveUnderLimit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadFile(m_path), kConfiguration);
    EXPECT_EQ(m_dir.Count(), 1);
}

TEST_F(SaveTest, KeepsModeAndOwnerAndFollowsSymbolicLinks) {
    ASSERT_EQ(::chmod(m_path.c_str(), 0640), 0);
    // Root saving a user's file leaves it the user's.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(m_path.c_str(), 12345, 23456) == 0);
    const std::string link = m_dir.File("link.xml");
    fs::create_symlink("trelinkconfig.xml", link);
    ConfigDocument viaLink;
    ASSERT_EQ(viaLink.SetConfigFile(link), kOk);
    ASSERT_EQ(viaLink.SetHardwareState(1, 1, 0, 0), kOk);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(ReadFile(m_path).find("<IsActive>1</IsActive>"), std::string::npos);
    EXPECT_EQ(Mode(), 0640u);
    EXPECT_EQ(m_dir.Count(), 2);
    struct stat st {};
    ASSERT_EQ(::stat(m_path.c_str(), &st), 0);
    if (root) {
        EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(12345u, 23456u));
    }

    // A file that vanished is written again, even by a write of an unchanged value, with the
    // mode a new file gets.
    fs::remove(m_path);
    ::umask(022);
    EXPECT_EQ(viaLink.SetHardwareState(1, 1, 0, 0), kOk);
    EXPECT_EQ(Mode(), 0644u);
}

TEST_F(SaveTest, FileNamesUpToTheLongestTheFileSystemTakesSave) {
    for (const std::size_t length : {248, 255}) {
        const std::string name = std::string(length - 4, 'k') + ".xml";
        const std::string path = m_dir.Write(name, kConfiguration);
        ConfigDocument document;
        ASSERT_EQ(document.SetConfigFile(path), kOk) << length;
        EXPECT_EQ(document.SetHardwareState(1, 1, 0, 0), kOk) << length;
        EXPECT_NE(ReadFile(path).find("<IsActive>1</IsActive>"), std::string::npos) << length;
        fs::remove(path);
    }
    EXPECT_EQ(m_dir.Count(), 1);
}

TEST_F(SaveTest, TargetInAMissingFolderOrNoFileAtAllFails) {
    const std::string elsewhere = m_dir.File("gone/trelinkconfig.xml");
    EXPECT_EQ(WriteFileAtomically(elsewhere, "x"), SaveError::CannotCreateTemp);
    EXPECT_FALSE(fs::exists(elsewhere));
    // A pipe, reached through a link, stays a pipe.
    const std::string pipe = m_dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    fs::create_symlink(pipe, m_dir.File("to-pipe"));
    EXPECT_EQ(WriteFileAtomically(m_dir.File("to-pipe"), "x"), SaveError::NotAFile);
    EXPECT_TRUE(fs::is_fifo(pipe));
}

}  // namespace
}  // namespace trelink
