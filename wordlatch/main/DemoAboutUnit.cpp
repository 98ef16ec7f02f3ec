#include "DemoAboutUnit.h"

#include "Artwork.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace wl {

TDemAboutForm::TDemAboutForm()
    : LogoImage(new QLabel(this)), ProductLbl(new QLabel("Wordlatch Demo", this)),
      VersionLbl(new QLabel("Version 4.0", this)),
      CopyrightLbl(
          new QLabel("Copyright \u00A9 the Wordlatch developers.\nAll rights reserved.", this)),
      CloseBtn(new QPushButton("&Close", this)) {
    setObjectName("DemAboutForm");
    setWindowTitle("About Wordlatch Demo");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(243, 262);

    LogoImage->setObjectName("LogoImage");
    LogoImage->setPixmap(LogoPixmap(devicePixelRatioF()));
    LogoImage->setGeometry(8, 8, LogoSize.width(), LogoSize.height());
    LogoImage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* motto = new QLabel("Build and\nsolve\ncrosswords", LogoImage);
    QFont mottoFont("Times New Roman");
    mottoFont.setPixelSize(17);
    mottoFont.setItalic(true);
    motto->setFont(mottoFont);
    motto->setStyleSheet("color: white; background: transparent");
    motto->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    motto->setGeometry(104, 20, 114, 60);

    QFont product("Times New Roman");
    product.setPixelSize(20);
    product.setBold(true);
    ProductLbl->setObjectName("ProductLbl");
    ProductLbl->setFont(product);
    ProductLbl->setStyleSheet("color: navy");
    ProductLbl->setAlignment(Qt::AlignCenter);
    ProductLbl->setGeometry(8, 158, 227, 24);

    QFont small("Arial");
    small.setPixelSize(12);
    VersionLbl->setObjectName("VersionLbl");
    VersionLbl->setFont(small);
    VersionLbl->setAlignment(Qt::AlignCenter);
    VersionLbl->setGeometry(8, 182, 227, 16);
    CopyrightLbl->setObjectName("CopyrightLbl");
    CopyrightLbl->setFont(small);
    CopyrightLbl->setAlignment(Qt::AlignCenter);
    CopyrightLbl->setGeometry(8, 198, 227, 30);

    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setDefault(true);
    CloseBtn->setGeometry(84, 232, 75, 24);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TDemAboutForm::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace wl
