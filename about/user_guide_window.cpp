#include "about/user_guide_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace calorix {

QString User_Guide_Text() {
    QFile f(QStringLiteral(":/calorix/user_guide.md"));
    if (!f.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(f.readAll());
}

User_Guide_Window::User_Guide_Window(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX User Guide"));
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setMarkdown(User_Guide_Text());
    layout->addWidget(browser_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(buttons);
    // Beside the input window on a 1366 x 768 screen.
    resize(720, 640);
}

}  // namespace calorix
