// Platform stand-ins: codec, metrics, prompts, the pause and the wave header reader.
#include "PlatformFakes.h"
#include "Prompts.h"
#include "SystemMetrics.h"
#include "WaitFor.h"
#include "WavePlayer.h"
#include "Win1252.h"

#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace wl;

TEST(Win1252, StatisticsAndQuoteBytesMeetTheirCharacters) {
    EXPECT_EQ(FromWin1252("\xD7"), QString(QChar(0x00D7))); // the "×" of the statistics
    EXPECT_EQ(ToWin1252(QString(QChar(0x00D7))), "\xD7");
    EXPECT_EQ(FromWin1252("\x91\x92\x93\x94"), QString::fromUtf16(u"\u2018\u2019\u201C\u201D"));
    EXPECT_EQ(FromWin1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(FromWin1252("Abc 15x"), QString("Abc 15x"));
}

TEST(Win1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = FromWin1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToWin1252(text), all);
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToWin1252(QString::fromUtf16(u"A\u03A9B\u4E2D")), "A?B?");
}

TEST(CellSize, LargestGridFillsTheHeightBelowTheMenu) {
    const TSystemMetrics m = fakes::MetricsForCellSize(27);
    EXPECT_EQ(CellSizeFor(m), 27);
    EXPECT_EQ(15 * CellSizeFor(m) + 7, 412); // width of a 15 x 15 grid window
    // div truncates: 22 spare pixels keep 27, 23 make 28
    EXPECT_EQ(CellSizeFor({27 * 23 + 20 + 22, 20, 23, 17}), 27);
    EXPECT_EQ(CellSizeFor({27 * 23 + 20 + 23, 20, 23, 17}), 28);
}

TEST(CellSize, TinyOrMissingScreenStillGivesAVisibleSquare) {
    EXPECT_EQ(CellSizeFor({}), 1);
    EXPECT_EQ(CellSizeFor({10, 20, 23, 17}), 1);
}

TEST(SystemMetrics, ScreenMeasuresAreSensible) {
    const TSystemMetrics m = QtSystemMetrics();
    EXPECT_GT(m.MenuHeight, 10);
    EXPECT_GT(m.CaptionHeight, 10);
    EXPECT_GT(m.SmallCaptionHeight, 10);
    EXPECT_LE(m.SmallCaptionHeight, m.CaptionHeight);
    EXPECT_GT(m.FullScreenHeight, m.MenuHeight);
    EXPECT_GE(CellSizeFor(m), 10);
}

TEST(Prompts, ErrorBoxSoundsBeforeTheBoxOpens) {
    fakes::TScriptedBoxes boxes;
    fakes::TRecordingPromptSounds sounds;
    QStringList soundsAtOpen;
    boxes.OnShow = [&](const auto&) { soundsAtOpen = sounds.Calls; };
    TPrompts(boxes, sounds).ErrorBox("Not a valid XWD puzzle.");

    EXPECT_EQ(soundsAtOpen, QStringList{"error"});
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(boxes.Shown[0].Buttons, TPromptButtons::Ok);
    EXPECT_EQ(boxes.Shown[0].Caption, "Wordlatch Demo");
    EXPECT_EQ(boxes.Shown[0].Text, "Not a valid XWD puzzle.");
}

TEST(Prompts, QuestionsSoundFirstAndReturnTheScriptedAnswers) {
    fakes::TScriptedBoxes boxes;
    fakes::TRecordingPromptSounds sounds;
    boxes.Answers = {TPromptAnswer::Cancel, TPromptAnswer::No};
    std::vector<qsizetype> soundsAtOpen;
    boxes.OnShow = [&](const auto&) { soundsAtOpen.push_back(sounds.Calls.size()); };
    TPrompts prompts(boxes, sounds);

    EXPECT_EQ(
        prompts.Confirm("Puzzle has changed. Save current changes?", TPromptButtons::YesNoCancel),
        TPromptAnswer::Cancel);
    EXPECT_EQ(prompts.Warning("Start Autoclue anyway?", TPromptButtons::YesNo), TPromptAnswer::No);
    // queue empty: the first button
    EXPECT_EQ(prompts.Warning("limit", TPromptButtons::Ok), TPromptAnswer::Ok);

    EXPECT_EQ(sounds.Calls, QStringList({"question", "question", "question"}));
    EXPECT_EQ(soundsAtOpen, (std::vector<qsizetype>{1, 2, 3}));
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].Kind, TPromptKind::Confirmation);
    EXPECT_EQ(boxes.Shown[0].Buttons, TPromptButtons::YesNoCancel);
    EXPECT_EQ(boxes.Shown[1].Kind, TPromptKind::Warning);
    EXPECT_EQ(boxes.Shown[2].Buttons, TPromptButtons::Ok);
    for (const auto& shown : boxes.Shown) EXPECT_EQ(shown.Caption, "Wordlatch Demo");
}

TEST(Prompts, GeneralErrorReportHasNoSoundOfItsOwn) {
    fakes::TScriptedBoxes boxes;
    fakes::TRecordingPromptSounds sounds;
    TPrompts(boxes, sounds).ReportException("Disk full");
    EXPECT_TRUE(sounds.Calls.isEmpty());
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, TPromptKind::Error);
}

TEST(WaitFor, WindowEventsRunDuringThePause) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    TQtWaiter().WaitFor(0);
    EXPECT_TRUE(handled);
    // A negative pause is no pause: window events run, and nothing later waits for it.
    handled = false;
    bool late = false;
    QTimer::singleShot(0, [&] { handled = true; });
    QTimer lateTimer; // stops with the test
    lateTimer.setSingleShot(true);
    QObject::connect(&lateTimer, &QTimer::timeout, [&] { late = true; });
    lateTimer.start(200);
    TQtWaiter().WaitFor(-5);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(late);
}

namespace {

QByteArray Le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

// A wave file with an odd-sized chunk before "data", as some editors write.
QByteArray SampleWave(int rate, int dataBytes) {
    QByteArray fmt = Le16(1) + Le16(1) + Le32(rate) + Le32(rate) + Le16(1) + Le16(8);
    QByteArray body = "WAVE" + QByteArray("fmt ") + Le32(16) + fmt + "LIST" + Le32(3) +
                      QByteArray("abc\0", 4) + "data" + Le32(dataBytes) +
                      QByteArray(dataBytes, char(128));
    return "RIFF" + Le32(body.size()) + body;
}

} // namespace

TEST(WaveInfo, ReadsTheFormatPastOddChunks) {
    const TWaveInfo info = ReadWaveInfo(SampleWave(11025, 1874));
    ASSERT_TRUE(info.Valid);
    EXPECT_EQ(info.FormatTag, 1);
    EXPECT_EQ(info.Channels, 1);
    EXPECT_EQ(info.BitsPerSample, 8);
    EXPECT_EQ(info.SampleRate, 11025);
    EXPECT_NEAR(info.Seconds(), 0.17, 0.001);
}

TEST(WaveInfo, DamagedHeadersAreInvalidWithoutReadingPastTheEnd) {
    const QByteArray good = SampleWave(22050, 100);
    EXPECT_FALSE(ReadWaveInfo({}).Valid);
    EXPECT_FALSE(ReadWaveInfo("RIFF").Valid);
    for (qsizetype cut = 0; cut < 52; ++cut) EXPECT_FALSE(ReadWaveInfo(good.left(cut)).Valid);
    // data chunk claiming more than is there: only what is there counts
    const TWaveInfo shortData = ReadWaveInfo(good.left(good.size() - 60));
    EXPECT_TRUE(shortData.Valid);
    EXPECT_EQ(shortData.DataBytes, 40);
    QByteArray notWave = good;
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(ReadWaveInfo(notWave).Valid);
}
