// The game's assets: pictures compiled into the program, wave files and word
// list beside it. The pictures must fit their places in the window and stack
// into one figure on the gallows; the files must be what the game can read.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// A picture and its place in the game window, in twips (15 twips a pixel).
struct Placed {
    const char* name;
    int left, top, width, height;

    QRectF pixels() const { return {left / 15.0, top / 15.0, width / 15.0, height / 15.0}; }
};

const Placed stages[] = {
    {"stage1.svg", 3720, 1320, 1125, 1410}, {"stage2.svg", 4620, 1270, 570, 765},
    {"stage3.svg", 3278, 1335, 510, 735},   {"stage4.svg", 4320, 2490, 795, 675},
    {"stage5.svg", 3540, 2555, 705, 570},   {"stage6.svg", 3900, 1530, 765, 915},
    {"stage7.svg", 3900, 1530, 765, 915},
};

const Placed decorations[] = {
    {"logo.svg", 240, 0, 2295, 1245},
    {"mascot.svg", 120, 1320, 2400, 2445},
    {"caption_won.svg", 3000, 145, 540, 195},
    {"caption_lost.svg", 4200, 120, 615, 225},
    {"caption_score.svg", 3120, 515, 750, 210},
    {"win_banner.svg", -360, 4200, 6000, 1515},
    {"loss_banner.svg", -360, 4200, 6000, 1515},
};

QString resource(const char* name) {
    return QString(":/hangman/") + name;
}

// The picture drawn alone at its place on a transparent window-sized canvas.
QImage inWindow(const Placed& p) {
    QImage image(365, 405, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(resource(p.name));
    QPainter painter(&image);
    svg.render(&painter, p.pixels());
    return image;
}

bool opaqueAt(const QImage& image, double x, double y) {
    return qAlpha(image.pixel(int(x), int(y))) >= 250; // opaque, give or take antialiasing
}

TEST(HangmanArt, EveryPictureIsLinkedInAndFitsItsBoxInTheWindow) {
    std::vector<Placed> all(std::begin(stages), std::end(stages));
    all.insert(all.end(), std::begin(decorations), std::end(decorations));
    for (const Placed& p : all) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(QFile(resource(p.name)).exists());
        QSvgRenderer svg(resource(p.name));
        ASSERT_TRUE(svg.isValid());
        // The window draws each picture into its box: the picture's own
        // coordinates must be that box's pixels, or the figure falls apart.
        EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, p.width / 15.0, p.height / 15.0));

        QImage image(p.width / 15, p.height / 15, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) drawn += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(drawn, image.width() * image.height() / 10);
    }
}

TEST(HangmanArt, StagesStackIntoOneFigureHangingFromTheRope) {
    const QImage body = inWindow(stages[0]);
    // The rope ends on the knot of the bow on the tobbin's crown.
    EXPECT_TRUE(opaqueAt(body, 280, 97));
    // Each limb starts inside the body, so it joins it whichever lies on top.
    const struct {
        int stage;
        double x, y;
    } roots[] = {{1, 319, 128}, {2, 250, 131}, {3, 300, 174}, {4, 272, 175}};
    for (const auto& root : roots) {
        SCOPED_TRACE(stages[root.stage].name);
        EXPECT_TRUE(opaqueAt(inWindow(stages[root.stage]), root.x, root.y));
        EXPECT_TRUE(opaqueAt(body, root.x, root.y));
    }
}

TEST(HangmanArt, DyingAndDeadFacesHideTheHappyFaceCompletely) {
    for (const Placed& face : {stages[5], stages[6]}) {
        SCOPED_TRACE(face.name);
        const QImage image = inWindow(face);
        // Every pixel of the body's face patch (less its soft rim).
        for (int y = 106; y <= 160; ++y)
            for (int x = 262; x <= 309; ++x) {
                const double dx = (x + 0.5 - 285.5) / 22.5, dy = (y + 0.5 - 133) / 26.5;
                if (dx * dx + dy * dy <= 1) {
                    ASSERT_TRUE(opaqueAt(image, x, y)) << x << "," << y;
                }
            }
    }
}

TEST(HangmanArt, FigureKeepsClearOfTheGallowsPost) {
    // The post runs down x = 336 from the beam (y 80) to the base (y 278).
    for (const Placed& stage : stages) {
        SCOPED_TRACE(stage.name);
        const QImage image = inWindow(stage);
        for (int y = 80; y <= 278; ++y)
            for (int x = 335; x <= 336; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << y;
    }
}

// Little-endian fields of a RIFF header.
std::uint32_t u32(const QByteArray& b, int at) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}
std::uint16_t u16(const QByteArray& b, int at) {
    std::uint16_t v = 0;
    std::memcpy(&v, b.constData() + at, 2);
    return v;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HangmanFiles, SixWaveFilesArePlainPcmAndCopiedBesideTheProgram) {
    for (const char* name : {"notgoodguess.wav", "notfeelgood.wav", "senseopain.wav", "yippee!.wav",
                             "yousavedme.wav", "alrighty.wav"}) {
        SCOPED_TRACE(name);
        const QByteArray wav = readAll(QString(HANGMAN_RESOURCES_DIR "/") + name);
        ASSERT_GE(wav.size(), 44);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(u32(wav, 4), std::uint32_t(wav.size() - 8));
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(wav, 16), 16u);
        EXPECT_EQ(u16(wav, 20), 1);      // PCM
        EXPECT_EQ(u16(wav, 22), 1);      // mono
        EXPECT_EQ(u32(wav, 24), 22050u); // samples a second
        EXPECT_EQ(u32(wav, 28), 44100u); // bytes a second
        EXPECT_EQ(u16(wav, 32), 2);      // bytes a frame
        EXPECT_EQ(u16(wav, 34), 16);     // bits a sample
        EXPECT_EQ(wav.mid(36, 4), "data");
        const double seconds = u32(wav, 40) / 44100.0;
        EXPECT_EQ(u32(wav, 40), std::uint32_t(wav.size() - 44));
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 5.0);
        EXPECT_EQ(readAll(QString(HANGMAN_RUNTIME_DIR "/") + name), wav);
    }
}

TEST(HangmanFiles, DeliveredWordListHoldsQuotedUpperCaseWordsTheGameCanShow) {
    const QByteArray data = readAll(HANGMAN_RESOURCES_DIR "/wordlist.dat");
    ASSERT_TRUE(data.endsWith("\r\n"));
    const QList<QByteArray> lines = data.left(data.size() - 1).split('\n');
    const QRegularExpression record(R"(^"[A-Z]{4,10}"\r$)");
    QSet<QByteArray> seen;
    for (const QByteArray& line : lines) {
        ASSERT_TRUE(record.match(QString::fromLatin1(line)).hasMatch()) << line.constData();
        EXPECT_FALSE(seen.contains(line)) << line.constData();
        seen.insert(line);
    }
    EXPECT_GE(lines.size(), 2000);
    EXPECT_LE(lines.size(), 3500);
    EXPECT_EQ(readAll(HANGMAN_RUNTIME_DIR "/wordlist.dat"), data);
}

} // namespace
