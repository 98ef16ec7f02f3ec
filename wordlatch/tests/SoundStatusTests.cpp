// The seven sounds and their SoundMode rules, and the status window.
#include "DemoMsgUnit.h"
#include "DemoProcsUnit.h"
#include "PlatformFakes.h"
#include "QtWavePlayer.h"
#include "SFXUnit.h"
#include "SoundModule.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace wl;

namespace {

struct SoundRig {
    TDemProcs Procs;
    fakes::TRecordingPlayer Player;
    TSoundFX Sounds{Procs, Player};
    fakes::TScriptedBoxes Boxes;
    TPrompts Prompts{Boxes, Sounds};
};

} // namespace

TEST(SoundFX, SoundModeZeroPlaysNothingEvenBeforeErrorBoxes) {
    SoundRig rig;
    rig.Procs.SoundMode = 0;
    TSoundFX& fx = rig.Sounds;
    fx.PlayQuestion(), fx.PlaySolved(), fx.PlayIncorrect(), fx.PlayEndOfList();
    fx.PlayEndOfListSpeech(), fx.PlayQuestionSpeech(), fx.PlayError();
    fx.QuestionSound();
    rig.Prompts.ErrorBox("Puzzle not in XWD format or is corrupt.");
    rig.Prompts.Confirm("Discard all recent changes and return to last saved puzzle?",
                        TPromptButtons::YesNo);

    EXPECT_TRUE(rig.Player.Played.isEmpty()) << rig.Player.Played.join(",").toStdString();
    EXPECT_EQ(rig.Boxes.Shown.size(), 2u); // the boxes still open
}

TEST(SoundFX, EachOperationPlaysItsOwnResourceOnlyTheSpokenEndWaits) {
    SoundRig rig;
    TSoundFX& fx = rig.Sounds;
    fx.PlayQuestion(), fx.PlaySolved(), fx.PlayIncorrect(), fx.PlayEndOfList();
    fx.PlayEndOfListSpeech(), fx.PlayQuestionSpeech(), fx.PlayError();
    EXPECT_EQ(rig.Player.Played,
              QStringList({"WAVE_1", "WAVE_2", "WAVE_3", "WAVE_4", "WAVE_5*", "WAVE_6", "WAVE_7"}));
}

TEST(SoundFX, QuestionSoundFollowsTheSoundMode) {
    const std::vector<std::pair<int, QStringList>> rows = {
        {0, {}}, {1, {"WAVE_1"}}, {2, {"WAVE_6"}}, {3, {"WAVE_6"}}};
    for (const auto& [mode, expected] : rows) {
        SoundRig rig;
        rig.Procs.SoundMode = mode;
        QStringList atOpen;
        rig.Boxes.OnShow = [&](const auto&) { atOpen = rig.Player.Played; };
        rig.Prompts.Confirm("Puzzle has changed. Save current changes?",
                            TPromptButtons::YesNoCancel);
        EXPECT_EQ(atOpen, expected) << "SoundMode " << mode;
    }
}

TEST(SoundFX, ErrorBoxPlaysTheErrorSoundFirstInEverySoundingMode) {
    for (int mode : {1, 2}) {
        SoundRig rig;
        rig.Procs.SoundMode = mode;
        QStringList atOpen;
        rig.Boxes.OnShow = [&](const auto&) { atOpen = rig.Player.Played; };
        rig.Prompts.ErrorBox("Not a valid XWD puzzle.");
        EXPECT_EQ(atOpen, QStringList{"WAVE_7"}) << "SoundMode " << mode;
    }
}

TEST(WaveResources, EachIsEightBitMonoPcmOfItsRateAndLength) {
    struct Row {
        const char* Name;
        int Rate;
        double Seconds;
    };
    const Row rows[] = {{"WAVE_1", 11025, 0.71}, {"WAVE_2", 22050, 8.09}, {"WAVE_3", 11025, 1.09},
                        {"WAVE_4", 22050, 0.52}, {"WAVE_5", 11025, 1.10}, {"WAVE_6", 11025, 1.74},
                        {"WAVE_7", 11025, 0.17}};
    for (const Row& row : rows) {
        QFile file(QString(":/") + row.Name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.Name;
        const TWaveInfo info = ReadWaveInfo(file.readAll());
        EXPECT_TRUE(info.Valid) << row.Name;
        EXPECT_EQ(info.FormatTag, 1) << row.Name;
        EXPECT_EQ(info.Channels, 1) << row.Name;
        EXPECT_EQ(info.BitsPerSample, 8) << row.Name;
        EXPECT_EQ(info.SampleRate, row.Rate) << row.Name;
        EXPECT_NEAR(info.Seconds(), row.Seconds, 0.02) << row.Name;
    }
}

TEST(WaveResources, TheSoundEffectDecoderAcceptsEach) {
    for (int n = 1; n <= 7; ++n) {
        QSoundEffect effect;
        QSignalSpy loaded(&effect, &QSoundEffect::statusChanged);
        effect.setSource(QUrl(QString("qrc:/WAVE_%1").arg(n)));
        while (effect.status() == QSoundEffect::Loading && loaded.wait(5000)) {
        }
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << "WAVE_" << n;
    }
}

TEST(WavePlayer, StartingASoundStopsTheOneStillPlaying) {
    TQtWavePlayer player([] { return true; });
    player.Play("WAVE_2", false);
    EXPECT_TRUE(player.IsPlaying("WAVE_2"));
    player.Play("WAVE_1", false); // a question box opening during the solved tune
    EXPECT_FALSE(player.IsPlaying("WAVE_2"));
    player.Play("NO_SUCH_WAVE", false); // unknown names are silent
    EXPECT_FALSE(player.IsPlaying("WAVE_1"));
}

TEST(WavePlayer, TheSoundModuleLoadsAtTheFirstSoundOnly) {
    int loads = 0;
    auto* recorder = new fakes::TRecordingPlayer;
    TLazyWavePlayer player([&] {
        ++loads;
        return std::unique_ptr<IWavePlayer>(recorder);
    });
    EXPECT_EQ(loads, 0);
    player.Play("WAVE_3", false);
    player.Play("WAVE_4", true);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(recorder->Played.size(), 2u);

    TLazyWavePlayer silent([] { return std::unique_ptr<IWavePlayer>(); });
    silent.Play("WAVE_1", true); // no module: nothing plays, nothing fails
    using TCreate = IWavePlayer* (*)();
    const auto create = reinterpret_cast<TCreate>(puzzles::SoundModuleFunction(
        WORDLATCH_SOUND_DIR, "wordlatch-sound", "wordlatch_create_wave_player"));
    ASSERT_NE(create, nullptr) << "the module is built beside the program";
    std::unique_ptr<IWavePlayer>(create())->Play("WAVE_1", false);
    EXPECT_EQ(puzzles::SoundModuleFunction(WORDLATCH_SOUND_DIR, "no-such-module", "x"), nullptr);
}

TEST(WavePlayer, WithoutAnAudioOutputNothingPlaysAndNothingWaits) {
    TQtWavePlayer player([] { return false; });
    player.Play("WAVE_5", true);
    player.Play("WAVE_2", false);
    EXPECT_FALSE(player.IsPlaying("WAVE_2"));
}

TEST(WavePlayer, ASoundThatCannotPlayReturnsWithoutWaiting) {
    // ":/SAVE" is a picture, not a wave: its effect ends in the error state.
    TQtWavePlayer player([] { return true; });
    player.Play("SAVE", true);
    bool waited = false;
    QTimer::singleShot(0, [&] { waited = true; });
    player.Play("SAVE", true);
    EXPECT_FALSE(waited); // no wait loop ran the pending timer
    EXPECT_FALSE(player.IsPlaying("SAVE"));
    QCoreApplication::processEvents();
}

namespace {

struct StatusRig {
    QWidget Grid{nullptr, Qt::Tool};
    fakes::TInstantWaiter Waiter;
    TInfoWin Info{&Grid, Waiter};
    StatusRig() { Grid.setGeometry(200, 109, 412, 429); }
};

QString Caption(TInfoWin& win) {
    return win.findChild<TInfoPanel*>("Panel1")->Caption;
}

QImage Picture(TInfoWin& win) {
    return win.findChild<QLabel*>("Image1")->pixmap().toImage().convertToFormat(
        QImage::Format_ARGB32);
}

} // namespace

TEST(InfoWin, EachKindShowsItsTextAndPicture) {
    const QImage save = QImage(":/SAVE").convertToFormat(QImage::Format_ARGB32);
    const QImage print = QImage(":/PRINT").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(save.size(), QSize(34, 31));
    ASSERT_EQ(print.size(), QSize(34, 31));
    ASSERT_NE(save, print);

    const std::vector<std::tuple<int, QString, QImage>> rows = {
        {1, "Saving puzzle ...    ", save},
        {2, "Printing puzzle ...   ", print},
        {3, "Exporting puzzle ...  ", save}};
    StatusRig rig;
    for (const auto& [kind, text, picture] : rows) {
        rig.Info.InfoKind = static_cast<std::uint8_t>(kind);
        rig.Info.show();
        EXPECT_EQ(Caption(rig.Info), text) << kind;
        EXPECT_EQ(Picture(rig.Info), picture) << kind;
        rig.Info.grab().save(QString("/tmp/wordlatch-infowin-%1.png").arg(kind));
        rig.Info.hide();
    }
}

TEST(InfoWin, BorderlessOnTopWindowOfFixedSizeWithThePictureInPlace) {
    StatusRig rig;
    rig.Info.show();
    EXPECT_EQ(rig.Info.size(), QSize(194, 69));
    EXPECT_TRUE(rig.Info.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(rig.Info.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(rig.Info.findChild<QLabel*>("Image1")->geometry(), QRect(14, 19, 34, 31));
    EXPECT_EQ(rig.Info.findChild<QWidget*>("Panel1")->geometry(), QRect(0, 0, 194, 69));
}

TEST(InfoWin, CaptionEndsItsTrailingSpacesAwayFromTheRightEdge) {
    // The words end further left the more trailing spaces a text has; look at
    // the navy pixels of the rendered window.
    StatusRig rig;
    std::vector<int> rightmost;
    for (std::uint8_t kind : {InfoSaving, InfoPrinting, InfoExporting}) {
        rig.Info.InfoKind = kind;
        rig.Info.show();
        const QImage image = rig.Info.grab().toImage();
        int right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 60; x < image.width(); ++x)
                if (image.pixelColor(x, y).blue() > 100 && image.pixelColor(x, y).red() < 60)
                    right = std::max(right, x);
        rightmost.push_back(right);
        rig.Info.hide();
    }
    EXPECT_LT(rightmost[0], rightmost[1]); // 4 spaces end left of 3
    EXPECT_LT(rightmost[1], rightmost[2]); // 3 spaces end left of 2
    EXPECT_LT(rightmost[2], 194 - 8);
}

TEST(InfoWin, SitsAtTheGridWindowCornerAlsoWhenThatIsHidden) {
    StatusRig rig;
    rig.Grid.show();
    rig.Grid.move(300, 150);
    rig.Info.show();
    EXPECT_EQ(rig.Info.pos(), rig.Grid.pos() + QPoint(35, 35));
    rig.Info.hide();

    rig.Grid.move(120, 80);
    rig.Grid.hide();
    rig.Info.show();
    EXPECT_EQ(rig.Info.pos(), QPoint(155, 115));
    EXPECT_EQ(rig.Info.size(), QSize(194, 69));
}

TEST(InfoWin, ShowWhileWaitsAroundTheWorkAndCloses) {
    StatusRig rig;
    bool visibleDuringWork = false;
    rig.Info.ShowWhile(InfoSaving, [&] { visibleDuringWork = rig.Info.isVisible(); });
    EXPECT_TRUE(visibleDuringWork);
    EXPECT_FALSE(rig.Info.isVisible());
    EXPECT_EQ(rig.Waiter.Waits, std::vector<int>{1000});

    rig.Waiter.Waits.clear();
    std::vector<int> waitsBeforeWork;
    rig.Info.ShowWhile(InfoPrinting, [&] { waitsBeforeWork = rig.Waiter.Waits; });
    EXPECT_EQ(waitsBeforeWork, std::vector<int>{5}); // lets the window paint first
    EXPECT_EQ(rig.Waiter.Waits, (std::vector<int>{5, 1000}));
    EXPECT_EQ(rig.Info.InfoKind, InfoPrinting);
}

TEST(InfoWin, ClosesAlsoWhenTheWorkFails) {
    StatusRig rig;
    EXPECT_THROW(rig.Info.ShowWhile(InfoExporting, [] { throw EInOutError("Disk full"); }),
                 EInOutError);
    EXPECT_FALSE(rig.Info.isVisible());
    EXPECT_EQ(rig.Waiter.Waits, (std::vector<int>{5, 1000}));
}
