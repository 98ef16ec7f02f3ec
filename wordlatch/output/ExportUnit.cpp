#include "ExportUnit.h"

#include "OutputText.h"
#include "PrintCanvas.h"
#include "RtfFile.h"
#include "Win1252.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace wl {

namespace {

TExportLook PictureLook(int kind) {
    return {kind == SolutionPicture, false};
}

// The squares first, then the texts a font at a time.
void PaintGrid(QPainter& p, const TGridShapes& shapes) {
    p.setPen(QPen(Qt::black, 1));
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(NumberSize);
    p.setFont(font);
    for (const TGridSquare& s : shapes.Squares) {
        p.setBrush(QColor(s.Fill, s.Fill, s.Fill));
        const int left = SquareEdge(s.X), top = SquareEdge(s.Y);
        Rectangle(p, left, top, left + PictureSquare + 1, top + PictureSquare + 1);
    }
    for (const TGridSquare& s : shapes.Squares)
        if (!s.Number.empty())
            p.drawText(QPoint(SquareEdge(s.X) + NumberInset, SquareEdge(s.Y) + NumberBaseline),
                       QString::fromStdString(s.Number));
    font.setPixelSize(LetterSize);
    p.setFont(font);
    for (const TGridSquare& s : shapes.Squares) {
        if (s.Letter.empty()) continue;
        const QString letter = FromWin1252(s.Letter);
        p.drawText(QPoint(SquareEdge(s.X) + (PictureSquare - TextWidth(p, letter)) / 2,
                          SquareEdge(s.Y) + LetterBaseline),
                   letter);
    }
}

QByteArray SvgOf(const TGridShapes& shapes, const QString& title) {
    const int side = PictureSide(shapes.Side);
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    // One unit a CSS pixel, the size programs that paste SVG show it at.
    generator.setResolution(96);
    generator.setTitle(title);
    generator.setDescription("Wordlatch4");
    QPainter p(&generator);
    PaintGrid(p, shapes);
    p.end();
    return svg;
}

} // namespace

QByteArray GridSvg(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title) {
    return SvgOf(GridShapes(puzzle, look), title);
}

QByteArray GridPicture(const TXwdPuzzle& puzzle, int kind, const QString& creator) {
    return GridSvg(puzzle, PictureLook(kind), creator);
}

TExportForm::TExportForm(const TDemProcs& procs) : Procs(procs) {
    setObjectName("ExportForm");
}

void TExportForm::GridToClipboard(int kind, const QString& creator) {
    const TGridShapes shapes = GridShapes(Procs.Puzzle, PictureLook(kind));
    // The bitmap is the same drawing at PngScale pixels a unit.
    const int side = PictureSide(shapes.Side);
    QImage png(side * PngScale, side * PngScale, QImage::Format_RGB32);
    png.fill(Qt::white);
    QPainter p(&png);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(PngScale, PngScale);
    PaintGrid(p, shapes);
    p.end();
    auto* data = new QMimeData;
    data->setData("image/svg+xml", SvgOf(shapes, creator));
    data->setImageData(png);
    QGuiApplication::clipboard()->setMimeData(data);
}

void TExportForm::GridRtfToClipboard(const TExportLook& look) {
    auto* data = new QMimeData;
    data->setData("text/rtf", GridRtf(Procs.Puzzle, look));
    data->setText(GridText(Procs.Puzzle, look));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TExportForm::CluesToClipboard() {
    QGuiApplication::clipboard()->setText(FromWin1252(CluesText(Procs.Puzzle)));
}

} // namespace wl
