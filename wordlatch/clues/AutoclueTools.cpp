#include "AutoclueTools.h"

#include "AutoclueWalk.h"
#include "Win1252.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wl {

QString Unstorable(const QString& text) {
    QString refused;
    for (QChar ch : text) {
        const QString one(ch);
        const bool control = ch.unicode() < 32 || (ch.unicode() >= 127 && ch.unicode() < 160);
        if (control || FromWin1252(ToWin1252(one)) != one) refused += ch;
    }
    return refused;
}

QValidator::State TWin1252Validator::validate(QString& input, int&) const {
    return FromWin1252(ToWin1252(input)) == input ? Acceptable : Invalid;
}

TSpecialCharsPicker::TSpecialCharsPicker(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setObjectName("CharsPicker");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(1);
    QFont font("Times New Roman");
    font.setPixelSize(15);
    int i = 0;
    // The printable characters above ASCII; the no-break space and the soft
    // hyphen look like nothing on a button and are left out.
    for (int b = 128; b < 256; ++b) {
        const QString ch = FromWin1252(std::string(1, char(b)));
        if (b == 160 || b == 173 || !Unstorable(ch).isEmpty()) continue;
        auto* button = new QToolButton(this);
        button->setObjectName(QString("Char_%1").arg(b));
        button->setText(ch);
        button->setFont(font);
        button->setAutoRaise(true);
        button->setFixedSize(24, 24);
        layout->addWidget(button, i / 16, i % 16);
        connect(button, &QToolButton::clicked, this, [this, ch] {
            close();
            emit Picked(ch);
        });
        ++i;
    }
}

void TSpecialCharsPicker::Popup(QWidget* anchor) {
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
}

TDefinitionsList::TDefinitionsList(QWidget* parent)
    : QDialog(parent, Qt::Tool), DefsList(new QTreeWidget(this)) {
    setObjectName("DefinitionsList");
    setWindowTitle("Definitions");
    DefsList->setObjectName("DefsList");
    DefsList->setHeaderLabels({"No.", "Direction", "Word", "Clue"});
    DefsList->setRootIsDecorated(false);
    DefsList->setUniformRowHeights(true);
    DefsList->setAlternatingRowColors(true);
    DefsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont font("Arial");
    font.setPixelSize(12);
    DefsList->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DefsList);
    resize(520, 360);
    connect(DefsList, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit Chosen(item->data(0, Qt::UserRole).toInt()); });
}

void TDefinitionsList::Fill(const TXwdPuzzle& p, int current) {
    DefsList->clear();
    const auto add = [&](const TNumberedSquare& s, int entry, char direction) {
        if (entry < 1 || entry > MaxWords) return;
        std::string letters = GetWord(p, s.X, s.Y, direction);
        letters = letters.substr(0, letters.find('\0'));
        auto* item = new QTreeWidgetItem(
            DefsList, {QString::number(s.SquareNumber), direction == 'a' ? "Across" : "Down",
                       FromWin1252(letters), FromWin1252(EntryText(p, entry))});
        item->setData(0, Qt::UserRole, entry);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        if (entry == current) DefsList->setCurrentItem(item);
    };
    for (const TNumberedSquare& s : NumberGrid(p)) {
        if (s.AcrossWord) add(s, s.AcrossWord, 'a');
        if (s.DownWord) add(s, s.DownWord, 'd');
    }
    for (int c = 0; c < 3; ++c) DefsList->resizeColumnToContents(c);
    if (DefsList->currentItem()) DefsList->scrollToItem(DefsList->currentItem());
}

} // namespace wl
