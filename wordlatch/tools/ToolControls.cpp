#include "ToolControls.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

namespace wl {

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QTreeWidget* Table(QWidget* parent, const char* name, const QStringList& columns) {
    auto* table = new QTreeWidget(parent);
    table->setObjectName(name);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setHeaderLabels(columns);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < columns.size(); ++c)
        table->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return table;
}

QLabel* StatusLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("StatusLbl");
    label->setWordWrap(true);
    return label;
}

QString Thousands(std::size_t n) {
    return QLocale(QLocale::English).toString(qulonglong(n));
}

QString Counted(std::size_t n, const char* one, const char* many) {
    return n == 1 ? QString("1 %1").arg(one) : QString("%1 %2").arg(Thousands(n), many);
}

} // namespace wl
