#include "ExportUnit.h"

#include "OutputText.h"
#include "PrintCanvas.h"
#include "Win1252.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace wl {

namespace {

void DrawGrid(QPainter& p, const TXwdPuzzle& puzzle, int kind) {
    p.setPen(QPen(Qt::black, 1));
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(kind == NumberedPicture ? 12 : 22);
    p.setFont(font);
    int n = 0;
    for (int y = 1; y <= puzzle.Side(); ++y) {
        for (int x = 1; x <= puzzle.Side(); ++x) {
            const int left = 1 + PictureSquare * (x - 1);
            const int top = 1 + PictureSquare * (y - 1);
            const std::uint8_t cell = puzzle.Solution(x, y);
            p.setBrush(cell == BlackSquare ? Qt::black : Qt::white);
            Rectangle(p, left, top, left + PictureSquare + 1, top + PictureSquare + 1);
            if (cell == BlackSquare) continue;
            if (kind == NumberedPicture) {
                if (StartsAcross(puzzle, x, y) || StartsDown(puzzle, x, y))
                    TextOut(p, left + 2, top + 1, QString::number(++n));
            } else if (cell != NoLetter) {
                const QString letter = FromWin1252(std::string(1, char(cell)));
                TextOut(p, left + (PictureSquare - TextWidth(p, letter)) / 2,
                        top + (PictureSquare - TextHeight(p)) / 2, letter);
            }
        }
    }
}

} // namespace

QByteArray GridPicture(const TXwdPuzzle& puzzle, int kind, const QString& creator) {
    const int side = puzzle.Side() * PictureSquare + 2;
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    // One unit a CSS pixel, the size programs that paste SVG show it at.
    generator.setResolution(96);
    generator.setTitle(creator);
    generator.setDescription("Wordlatch4");
    QPainter p(&generator);
    DrawGrid(p, puzzle, kind);
    p.end();
    return svg;
}

TExportForm::TExportForm(const TDemProcs& procs) : Procs(procs) {
    setObjectName("ExportForm");
}

void TExportForm::GridToClipboard(int kind, const QString& creator) {
    const QByteArray svg = GridPicture(Procs.Puzzle, kind, creator);
    // The bitmap is the same drawing at PngScale pixels a unit.
    const int side = Procs.Puzzle.Side() * PictureSquare + 2;
    QImage png(side * PngScale, side * PngScale, QImage::Format_RGB32);
    png.fill(Qt::white);
    QPainter p(&png);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(PngScale, PngScale);
    DrawGrid(p, Procs.Puzzle, kind);
    p.end();
    auto* data = new QMimeData;
    data->setData("image/svg+xml", svg);
    data->setImageData(png);
    QGuiApplication::clipboard()->setMimeData(data);
}

void TExportForm::CluesToClipboard() {
    QGuiApplication::clipboard()->setText(FromWin1252(CluesText(Procs.Puzzle)));
}

} // namespace wl
