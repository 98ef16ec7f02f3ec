// Written by hand: no Qt class writes PostScript, and a grid needs a dozen
// operators; our own writer is exact (every coordinate an integer point), tiny
// and takes no library.
#include "EpsFile.h"

#include "Win1252.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace wl {

namespace {

// Bytes as a PostScript string: parentheses and backslashes escaped, every
// byte outside printable ASCII in octal.
std::string PsString(std::string_view bytes) {
    std::string out = "(";
    for (const char c : bytes) {
        const auto b = std::uint8_t(c);
        if (c == '(' || c == ')' || c == '\\') {
            out.append(1, '\\').append(1, c);
        } else if (b < 32 || b >= 127) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", b);
            out += octal;
        } else {
            out += c;
        }
    }
    return out + ")";
}

// A comment's text as it is where it is printable ASCII, else as a string.
std::string DscText(std::string_view bytes) {
    for (const char c : bytes)
        if (std::uint8_t(c) < 32 || std::uint8_t(c) >= 127) return PsString(bytes);
    return std::string(bytes);
}

std::string GrayValue(std::uint8_t level) {
    char value[16];
    std::snprintf(value, sizeof value, "%.4g", level / 255.0);
    return value;
}

// Helvetica-Bold re-encoded: ISOLatin1Encoding with ASCII's apostrophe, hyphen
// and grave accent, and Windows-1252's characters at 128..159.
// Q: gray x y -> a square from (x, y) up and right, filled, outlined in black.
// L: string x y -> the string from (x, y). C: string x y -> centred on x.
// F: size -> the font at that size.
constexpr std::string_view Prolog = R"(%%BeginProlog
8 dict begin
/Helvetica-Bold findfont dup length dict begin
  { 1 index /FID ne { def } { pop pop } ifelse } forall
  /Encoding ISOLatin1Encoding 256 array copy
    dup 16#27 /quotesingle put dup 16#2D /hyphen put dup 16#60 /grave put
    dup 16#80 [ /Euro /.notdef /quotesinglbase /florin /quotedblbase /ellipsis
      /dagger /daggerdbl /circumflex /perthousand /Scaron /guilsinglleft /OE
      /.notdef /Zcaron /.notdef /.notdef /quoteleft /quoteright /quotedblleft
      /quotedblright /bullet /endash /emdash /tilde /trademark /scaron
      /guilsinglright /oe /.notdef /zcaron /Ydieresis ] putinterval
  def
  currentdict
end
/Helvetica-Bold-1252 exch definefont pop
/Q { newpath moveto 30 0 rlineto 0 30 rlineto -30 0 rlineto closepath
  gsave setgray fill grestore stroke } bind def
/L { moveto show } bind def
/C { moveto dup stringwidth pop 2 div neg 0 rmoveto show } bind def
/F { /Helvetica-Bold-1252 findfont exch scalefont setfont } bind def
%%EndProlog
)";
static_assert(PictureSquare == 30, "Q draws squares of PictureSquare points");

} // namespace

QByteArray GridEps(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title) {
    const TGridShapes shapes = GridShapes(puzzle, look);
    const int side = PictureSide(shapes.Side);
    const std::string box = std::to_string(side) + " " + std::to_string(side) + "\n";
    std::string out = "%!PS-Adobe-3.0 EPSF-3.0\n";
    out.append("%%BoundingBox: 0 0 ").append(box);
    out.append("%%HiResBoundingBox: 0 0 ").append(box);
    out.append("%%Title: ").append(DscText(ToWin1252(title))).append("\n");
    out += "%%Creator: Wordlatch4\n"
           "%%LanguageLevel: 2\n"
           "%%DocumentNeededResources: font Helvetica-Bold\n"
           "%%EndComments\n";
    out += Prolog;
    out += "%%Page: 1 1\n0 setgray 1 setlinewidth\n";
    // PostScript's y axis points up: a picture's y down from the top is side - y.
    const auto point = [&](int x, int y) {
        return std::to_string(x) + " " + std::to_string(side - y);
    };
    for (const TGridSquare& s : shapes.Squares)
        out.append(GrayValue(s.Fill))
            .append(" ")
            .append(point(SquareEdge(s.X), SquareEdge(s.Y) + PictureSquare))
            .append(" Q\n");
    out.append(std::to_string(NumberSize)).append(" F\n");
    for (const TGridSquare& s : shapes.Squares)
        if (!s.Number.empty())
            out += PsString(s.Number) + " " +
                   point(SquareEdge(s.X) + NumberInset, SquareEdge(s.Y) + NumberBaseline) + " L\n";
    out.append(std::to_string(LetterSize)).append(" F\n");
    for (const TGridSquare& s : shapes.Squares)
        if (!s.Letter.empty())
            out += PsString(s.Letter) + " " +
                   point(SquareEdge(s.X) + PictureSquare / 2, SquareEdge(s.Y) + LetterBaseline) +
                   " C\n";
    out += "showpage\nend\n%%Trailer\n%%EOF\n";
    return QByteArray::fromStdString(out);
}

} // namespace wl
