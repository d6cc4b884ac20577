// SPDX-License-Identifier: GPL-3.0-or-later
// Kill points: a career is played in a child process on the test clock, the
// screens' host opening the main screen wherever the game does (so the
// autosaves are the game's own), and the child is killed with SIGKILL at a
// fixed point: inside an autosave's write, or in the middle of a match day,
// the season's end or the transfer window. A new process then starts as the
// player's would; the autosave it offers must be the one a run without a kill
// wrote at that point or the point before it, and a career resumed among the
// killed game's scratch files must go on as it does from a clean folder.
//   vm_killpoints                      the tests (they run the children)
//   vm_killpoints play ROOT POINT      a career killed at POINT ("none": to the season's end)
//   vm_killpoints resume ROOT ANSWER THEN
//   VM_KILLPOINTS_SOAK=1 vm_killpoints  every match day of the season as a kill point
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "../fastclock.h"
#include "league/autosaves.h"
#include "league/careermarkers.h"
#include "league/savegame.h"
#include "league/tleague.h"
#include "league/world.h"
#include "screens/appearance.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/ttitle.h"
#include "season/career.h"
#include "season/newsprogramme.h"
#include "season/resume.h"
#include "season/simplecoach.h"
#include "support/scratch.h"
#include "util/durablewrite.h"
#include "util/textfile.h"

extern char** environ;

namespace vm {
namespace {
namespace fs = std::filesystem;

constexpr std::uint64_t kSeed = 23;

// The answers of a player who says yes to everything, and what was asked.
struct PlayerPrompts : Prompts {
    std::vector<std::string> asked;
    bool answer = true;
    void message(std::string_view) override {}
    void error(std::string_view text) override {
        std::fprintf(stderr, "%.*s\n", int(text.size()), text.data());
    }
    bool askYesNo(std::string_view text) override {
        asked.emplace_back(text);
        return answer;
    }
    bool askOkCancel(std::string_view) override { return true; }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    std::optional<fs::path> openFile(std::string_view, const fs::path&, std::string_view) override {
        return {};
    }
    std::optional<fs::path> saveFile(std::string_view, const fs::path&, std::string_view,
                                     std::string_view) override {
        return {};
    }
};

// Where the child stops: an autosave's write stage, or a moment of the season.
struct KillPoint {
    std::string what;  // "written", "flushed", "renamed", "day", "seasonend", "window", "title", "none"
    int n = 0;         // the autosave's number, or the match day (1..27)
};

KillPoint parsePoint(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return {text, 0};
    return {text.substr(0, colon), std::stoi(text.substr(colon + 1))};
}

// The child's state, for the write hook (a plain function).
KillPoint killAt;
int autosavesWritten = 0;
fs::path referenceFolder;

bool isAutosave(const fs::path& file) {
    return file.parent_path().filename() == "autosave" && file.extension() == ".dat";
}

int stopInWrite(WriteStage stage, const fs::path& file) {
    if (!isAutosave(file)) return 0;
    if (stage == WriteStage::written) ++autosavesWritten;
    const char* names[] = {"written", "flushed", "renamed"};
    if (killAt.what == names[static_cast<int>(stage)] && killAt.n == autosavesWritten) ::raise(SIGKILL);
    // The run without a kill keeps every autosave it wrote, by number.
    if (stage == WriteStage::renamed && !referenceFolder.empty())
        fs::copy_file(file, referenceFolder / (std::to_string(autosavesWritten) + ".dat"),
                      fs::copy_options::overwrite_existing);
    return 0;
}

// The player's next step from any point: the transfer window and its news
// between seasons, else one match day with its news; then the main screen.
void playStep(World& w, ScreenHost& host, const FlowHooks& hooks) {
    SimpleCoach coach;
    if (!w.leagues[0]) {
        if (!playtransferwindow(w, coach, hooks)) std::abort();
        playnews(w, kAfterTransfers, coach, hooks);
    } else {
        playday(w, coach, hooks);
    }
    host.openMain();
}

int playChild(const fs::path& root, const std::string& point) {
    killAt = parsePoint(point);
    if (killAt.what == "none") referenceFolder = root / "reference";
    fs::create_directories(root / "reference");
    setWriteStageHook(stopInWrite);
    World w(root, SeedSource::fixed(kSeed));
    PlayerPrompts prompts;
    test::FastClock clock;
    ScreenHost host(w, prompts, clock);
    if (!host.start()) return 2;
    if (killAt.what == "title") ::raise(SIGKILL);
    QWidget* title = host.screens().value(0);
    QTest::mouseClick(title->findChild<PanelButton*>("Pnew"), Qt::LeftButton);

    int day = 0;
    FlowHooks hooks;
    hooks.observe = [&](const FlowEvent& e) {
        if (e.kind == FlowEvent::matchDayPlayed && ++day == killAt.n && killAt.what == "day")
            ::raise(SIGKILL);
        if (e.kind == FlowEvent::tradeWeek && e.week == 2 && killAt.what == "window") ::raise(SIGKILL);
        if (e.kind == FlowEvent::newsPage && !w.leagues[0] && day == kRounds && killAt.what == "seasonend")
            ::raise(SIGKILL);
    };
    do playStep(w, host, hooks);
    while (w.leagues[0]);
    return 0;
}

// A new start as the player's: the question answered, the offered autosave
// (the world just loaded, saved again) kept as offered.dat; then "quit", a
// "kill" at once, or "continue" one step and keep that autosave as next.dat.
int resumeChild(const fs::path& root, const std::string& answer, const std::string& then) {
    World w(root, SeedSource::fixed(kSeed));
    PlayerPrompts prompts;
    prompts.answer = answer == "yes";
    test::FastClock clock;
    ScreenHost host(w, prompts, clock);
    if (!host.start()) return 2;
    writeLinesAtomic(root / "asked.txt", prompts.asked);
    if (prompts.answer && !prompts.asked.empty()) writeBytesAtomic(root / "offered.dat", saveImage(w));
    if (then == "kill") ::raise(SIGKILL);
    if (then == "continue") {
        playStep(w, host, {});
        writeBytesAtomic(root / "next.dat", readBytes(listAutosaves(w).front().file));
    }
    host.quit();
    return 0;
}

// Runs this program with `args` in a child process; its wait status.
int runChild(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::string self = fs::read_symlink("/proc/self/exe").string();
    argv.push_back(self.data());
    std::vector<std::string> own = args;
    for (std::string& a : own) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

bool killed(int status) {
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

class KillPoints : public ::testing::Test {
protected:
    // The autosaves of a run without a kill, by number: written once for all the tests.
    static void SetUpTestSuite() {
        reference_ = std::make_unique<test::Scratch>();
        const int status = runChild({"play", reference_->root().string(), "none"});
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    static void TearDownTestSuite() { reference_.reset(); }

    static std::string reference(int n) {
        const fs::path file = reference_->root() / "reference" / (std::to_string(n) + ".dat");
        return fs::exists(file) ? readBytes(file) : std::string();
    }

    // Kills a career at `point`, starts again and answers yes: the autosave
    // offered is the reference one of number `expected`.
    void expectResumedAt(const std::string& point, int expected) {
        SCOPED_TRACE(point);
        ASSERT_TRUE(killed(runChild({"play", folder.root().string(), point})));
        ASSERT_EQ(runChild({"resume", folder.root().string(), "yes", "quit"}), 0);
        ASSERT_EQ(readLines(folder.path("asked.txt")), std::vector<std::string>{kResumeQuestion});
        const std::string offered = readBytes(folder.path("offered.dat"));
        ASSERT_FALSE(reference(expected).empty());
        EXPECT_TRUE(offered == reference(expected)) << "the offer is not autosave " << expected;
    }

    // The career resumed among the killed game's files goes on exactly as the
    // same autosave resumed in a clean folder.
    void expectScratchFilesHarmless() {
        test::Scratch clean;
        fs::create_directories(clean.path(kAutosaveFolder));
        fs::copy_file(folder.path("offered.dat"), clean.path("data/autosave/000001_resumed.dat"));
        fs::create_directories(clean.path(kCareerMarkerFolder));
        writeBytesAtomic(clean.path("data/careers/999999999.open"), "1\n");  // a copy that no longer runs
        ASSERT_EQ(runChild({"resume", clean.root().string(), "yes", "continue"}), 0);
        // The killed folder: its marks are gone, so kill once more to offer again.
        writeBytesAtomic(folder.path("data/careers/999999999.open"), "1\n");
        ASSERT_EQ(runChild({"resume", folder.root().string(), "yes", "continue"}), 0);
        EXPECT_TRUE(readBytes(folder.path("next.dat")) == readBytes(clean.path("next.dat")));
    }

    test::Scratch folder;
    static std::unique_ptr<test::Scratch> reference_;
};
std::unique_ptr<test::Scratch> KillPoints::reference_;

// Autosave 2 is the one after the first transfer window: cut off before its
// rename the offer is autosave 1, after it autosave 2.
TEST_F(KillPoints, InsideAnAutosavesWriteTheOfferIsWholeAndTheLatestRenamed) {
    expectResumedAt("written:2", 1);
    expectResumedAt("flushed:2", 1);
    expectResumedAt("renamed:2", 2);
    ASSERT_TRUE(killed(runChild({"play", folder.root().string(), "written:3"})));
    ASSERT_EQ(runChild({"resume", folder.root().string(), "yes", "quit"}), 0);
    for (const auto& entry : fs::directory_iterator(folder.path(kAutosaveFolder)))
        EXPECT_NE(entry.path().extension(), ".part") << "the cut-off write's file is cleared away at start";
}

// Autosave k + 1 is the main screen before match day k; the season's end
// loses the last match day's news, the window only the window.
TEST_F(KillPoints, ACrashLosesAtMostTheMatchDayOrTheWindowInProgress) {
    expectResumedAt("window", 1);
    expectScratchFilesHarmless();
    expectResumedAt("day:1", 2);
    expectResumedAt("day:14", 15);
    expectScratchFilesHarmless();
    expectResumedAt("day:27", 28);
    expectResumedAt("seasonend", 28);
    if (std::getenv("VM_KILLPOINTS_SOAK"))
        for (int day = 2; day < kRounds; ++day) expectResumedAt("day:" + std::to_string(day), day + 1);
}

TEST_F(KillPoints, AGameKilledAtTheTitleOrAnsweredNoAsksNothingMore) {
    ASSERT_TRUE(killed(runChild({"play", folder.root().string(), "day:1"})));
    ASSERT_TRUE(killed(runChild({"resume", folder.root().string(), "no", "kill"})));
    EXPECT_EQ(readLines(folder.path("asked.txt")).size(), 1u);
    ASSERT_EQ(runChild({"resume", folder.root().string(), "yes", "quit"}), 0);
    EXPECT_TRUE(readLines(folder.path("asked.txt")).empty()) << "answered no, then killed at the title";
    EXPECT_TRUE(abandonedCareers(World(folder.root(), SeedSource::fixed(1))).empty());
}

}  // namespace
}  // namespace vm

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string mode = argc > 1 ? argv[1] : "";
    // The game's settings (autosave on) in a folder of the run's own, never
    // the developer's; the children keep their parent's.
    const QTemporaryDir settings;
    if (mode != "play" && mode != "resume") qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    vm::useGameFont();
    if (mode == "play" && argc == 4) return vm::playChild(argv[2], argv[3]);
    if (mode == "resume" && argc == 5) return vm::resumeChild(argv[2], argv[3], argv[4]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
