#include "commands/Diagnosis.h"

#include <sys/stat.h>

#include <tuple>

#include <gtest/gtest.h>

#include "commands/MessageCatalogue.h"
#include "services/ErrorLookup.h"
#include "services/ProgramPath.h"
#include "store/MessageIds.h"
#include "tests/commands/CommandFixture.h"

namespace trelink {
namespace {

using test::Entry;

// Message patterns that show which id and arguments went where.
class MarkedCatalogue : public MessageCatalogue {
public:
    std::string Pattern(int id) const override {
        return id == Msg::kDeviceStatus ? "[122 %s|%s]" : "[" + std::to_string(id) + "]";
    }
};

class FixedClock : public Clock {
public:
    std::tm LocalNow() const override {
        std::tm time{};
        std::tie(time.tm_year, time.tm_mon, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec) =
            std::make_tuple(2026 - 1900, 2, 5, 7, 8, 9);
        return time;
    }
};

class DiagnosisTest : public test::CommandFixture {
protected:
    void SetUp() override { Open(Entry("1", "1", "77", "1", "<DeviceNr>3</DeviceNr>")); }
    std::string Status(Result code) const {
        return "[122 " + m_texts.Description(code) + "|" + m_texts.Remedy(code) + "]";
    }

    FixedClock m_clock;
    const CommandContext m_timed{m_document, m_settings, m_drivers, PlatformDirectories::Default(),
                                 m_clock};
    const ErrorLookup m_texts{ProgramFolder()};
};

TEST_F(DiagnosisTest, EveryBranchStoresTheCodeAndReportsWhatTheBusAnswered) {
    const std::string stamp = "05.03.2026 - 07:08:09\n";
    const std::string scanned = "SetXMLFile(" + m_path + ") ConnectDiagnosis(1,0) ScanBus(7) ";
    const auto listed = [](std::size_t count) {
        std::string text = "\n[124]";
        for (std::size_t node = 0; node < count; ++node) text += " 9,";
        return text;
    };
    const struct {
        std::string name;
        bool loaded;
        std::int32_t setXMLFile, connect, scan;
        std::size_t nodes;
        Result code;
        std::string calls, scanned;  // the scan's calls and text; empty: no scan is offered
    } cases[] = {
        {"nodes", true, 0, 0, 0, 3, kOk, scanned + "Delete Disconnect(7)", listed(3)},
        {"full bus", true, 0, 0, 0, 255, kOk, scanned + "Delete Disconnect(7)", listed(255)},
        {"empty bus", true, 0, 0, 0, 0, kOk, scanned + "Delete Disconnect(7)", "\n\n[127]"},
        {"failed scan", true, 0, 0, 40965, 3, kOk, scanned + "Disconnect(7)", "\n\n[127]"},
        {"failed connect", true, 0, 40963, 0, 3, 40963, "", ""},
        {"refused file", true, 40967, 0, 0, 3, 40967, "", ""},
        {"no library", false, 0, 0, 0, 3, kBusDriverNotLoaded, "", ""},
    };
    for (const auto& c : cases) {
        Script() = {};
        Script().loaded = c.loaded;
        Script().setXMLFile = c.setXMLFile;
        Script().connect[1] = c.connect;
        Script().scan = c.scan;
        Script().nodes.assign(c.nodes, 9);
        {
            Diagnosis diagnosis(m_timed, m_texts, 1);
            EXPECT_EQ(diagnosis.Code(), c.code) << c.name;
            EXPECT_EQ(diagnosis.StoreCode(), Diagnosis::Storing::kStored) << c.name;
            EXPECT_EQ(StoredCode(1), c.code) << c.name;
            EXPECT_EQ(diagnosis.OffersScan(), !c.scanned.empty()) << c.name;
            Script().calls.clear();
            if (diagnosis.OffersScan()) diagnosis.Scan();
            EXPECT_EQ(diagnosis.Report(MarkedCatalogue()), stamp + Status(c.code) + c.scanned)
                << c.name;
            EXPECT_EQ(Script().calls, c.calls) << c.name;
            // The driver stays loaded for the whole diagnosis.
            EXPECT_EQ(Script().loads - Script().unloads, 1) << c.name;
        }
        EXPECT_EQ(Script().loads, Script().unloads) << c.name;
        EXPECT_TRUE(Script().outstanding.empty()) << c.name;
    }
    // A file that cannot be saved is told even when the code stays as it was.
    ::chmod(m_path.c_str(), 0444);
    EXPECT_EQ(Diagnosis(m_timed, m_texts, 1).StoreCode(), Diagnosis::Storing::kNotSaved);
}

}  // namespace
}  // namespace trelink
