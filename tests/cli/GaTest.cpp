// vexa ga end to end: the drawing of a calculated and costed unit, its document
// read back, and the messages and exit statuses of what goes wrong.

#include "ga/WordDocument.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct GaRun {
    int status;
    std::string out;
    std::string err;
};

// A temporary folder with an output folder inside, removed with everything in it.
class GaFolders {
public:
    GaFolders()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vexa-ga-cli-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        m_root = pattern;
    }
    ~GaFolders()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    GaFolders(const GaFolders&) = delete;
    GaFolders& operator=(const GaFolders&) = delete;

    std::filesystem::path root() const { return m_root; }
    std::filesystem::path output() const { return m_root / "out"; }

    // Runs vexa ga with the job on standard input, documents going to output() unless
    // the environment given says otherwise.
    GaRun run(const std::string& job, const std::string& environment = "") const
    {
        {
            std::ofstream(m_root / "job.json") << job;
        }
        const std::string command = "ARDELVEXA_NO_OPEN=1 ARDELVEXA_OUTPUT_DIR='" + output().string() + "' " +
                                    environment + " " + VEXA_CLI_PATH + " ga < '" +
                                    (m_root / "job.json").string() + "' > '" + (m_root / "out.txt").string() +
                                    "' 2> '" + (m_root / "err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        auto slurp = [](const std::filesystem::path& path) {
            std::ifstream in(path);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(m_root / "out.txt"), slurp(m_root / "err.txt")};
    }

private:
    std::filesystem::path m_root;
};

std::string bookmark(const std::filesystem::path& document, const char* name)
{
    return vexa::ga::WordDocument::fromTemplate(document).bookmarkText(name);
}

// A rated unit 31 tubes high (1200 mm), 1800 mm wide, 2 rows at 8 fins per inch.
const std::string kMain = R"("Main": {"OptMode": 1, "Finned_Height": 1200, "TubeDiameter": "12",
    "VexaApplicationType": 0, "DryBulb_1": 33, "WetBulb_1": 27.5, "DryBulb_3": 14, "NoOfRowsHeatpipe": 2,
    "FPI_Heatpipe": 8})";

const std::string kStraight = "{" + kMain + R"(,
    "Cost": {"HeatpipeStyle": 1, "Margin": 35, "Orienitation": 0, "DrainpanType": 1},
    "Straight": {"SupplyAir": 900, "ExtractAir": 900, "Centre_Flange_Width": 50, "FinnedLength": 1900,
                 "Overall_Width": 2001, "Orientation": 0, "Overall_Height": 1361}})";

} // namespace

TEST(VexaGa, StraightDrawingEndToEnd)
{
    GaFolders folders;
    const GaRun run = folders.run(kStraight);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::filesystem::path document = folders.output() / "HorizontalStraightHeatpipeDrainpan.docx";
    EXPECT_EQ(run.out, document.string() + "\n");
    EXPECT_EQ(run.err, "vexa: The document was saved as " + document.string() + ".\n");
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"OverallHeight", "1361.0"},
        {"OverallWidth", "2001.0"},
        {"OverallDepth", "185.0"},
        {"FlangeWidth1", "50.0"},   // (1361 - floor(33 x 38.1 + 4)) / 2, horizontal: 31 + 2 rows
        {"FlangeDepth2", "50.0"},   // rnd(101 x 0.5)
        {"FinnedLength", "1900.0"},
        {"HeatpipeCode", "12HP 8. 2 - 31T x 1900"},
        {"Stacked", ""},
    };
    // clang-format on
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(bookmark(document, name), text) << name;
    }
    // A second run makes a second document.
    const GaRun again = folders.run(kStraight);
    EXPECT_EQ(again.out, (folders.output() / "HorizontalStraightHeatpipeDrainpan (2).docx").string() + "\n");
}

TEST(VexaGa, HorseshoeDrawingEndToEnd)
{
    GaFolders folders;
    const GaRun run = folders.run("{" + kMain + R"(, "Cost": {"HeatpipeStyle": 0, "Margin": 35},
        "Horseshoe": {"TubeDiameter": "12", "NumberOfTubesHigh": 31, "NumberOfRows": 2, "Internal_Baffle": 60,
                      "External_Baffle": 120, "Internal_Depth": 360, "Overall_Height": 1236,
                      "AirFlowDirection": "R", "Customer_Ref": " C-10442 ", "Project_Ref": "RIVERSIDE"}})");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::filesystem::path document = folders.output() / "HorseshoeHeatpipeRight.docx";
    EXPECT_EQ(run.out, document.string() + "\n");
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"OverallHeight", "1236.0"},
        {"OverallWidth", "1980.0"},
        {"FlangeWidth1", "25.5"},   // (1236 - floor(31 x 38.1f + 4)) / 2 = (1236 - 1185) / 2
        {"EndPlateWidth1", "75.0"},
        {"CustomerRef", "C-10442"},
        {"ProjectName", "RIVERSIDE"},
        {"HeatpipeCode", " 12HP 8. 2 - 31T x 1800"},
    };
    // clang-format on
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(bookmark(document, name), text) << name;
    }
}

TEST(VexaGa, ProblemsGiveTheirMessageAndStatus)
{
    GaFolders folders;
    std::filesystem::create_directories(folders.root() / "no-templates");
    std::ofstream(folders.root() / "a-file") << "x";
    const std::string noTemplates =
        "ARDELVEXA_TEMPLATES_DIR='" + (folders.root() / "no-templates").string() + "'";
    const std::string outputIsAFile = "ARDELVEXA_OUTPUT_DIR='" + (folders.root() / "a-file").string() + "'";
    struct Case {
        std::string job;
        std::string environment;
        int status;
        std::string message; // the start of standard error
    };
    // clang-format off
    const Case cases[] = {
        {"{" + kMain + R"(, "Cost": {"Margin": 35}})", "", 2,
         "vexa: job: the job has no \"Straight\" or \"Horseshoe\" object"},
        {"{" + kMain + R"(, "Cost": {"Margin": 35}, "Straight": {}, "Horseshoe": {}})", "", 2,
         "vexa: job: give either \"Straight\" or \"Horseshoe\", not both"},
        {"{" + kMain + R"(, "Cost": {"Margin": 35}, "Straight": {"Overall_Depth": 365}})", "", 2,
         "vexa: Straight.Overall_Depth: no such property"},
        {"{" + kMain + R"(, "Cost": {"Margin": 35}, "Straight": {"SupplyAir": 40000}})", "", 2,
         "vexa: Straight.SupplyAir: "},
        {"{" + kMain + R"(, "Cost": {"Margin": 35}, "Horseshoe": {"Customer_Ref": 12}})", "", 2,
         "vexa: Horseshoe.Customer_Ref: "},
        {"[" + kStraight + "]", "", 2, "vexa: ga takes one job, not an array"},
        {"{" + kMain + R"(, "Straight": {}})", "", 1, "vexa: Cost.InitiateCostingCalculations: "},
        {kStraight, outputIsAFile, 1,
         "vexa: Straight.CreateGA: You need to have Microsoft Word Installed to run general arrangement\n"
         "The output folder "},
        {kStraight, noTemplates, 1,
         "vexa: No document was made: "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const GaRun run = folders.run(c.job, c.environment);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << run.err;
        EXPECT_EQ(run.out, "");
    }
    // The check of the document layer may make the output folder, but nothing is in it.
    EXPECT_TRUE(!std::filesystem::exists(folders.output()) || std::filesystem::is_empty(folders.output()))
        << "no document left behind";
}
