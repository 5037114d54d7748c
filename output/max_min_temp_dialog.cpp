#include "output/max_min_temp_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace calorix {

Max_Min_Temp_Dialog::Max_Min_Temp_Dialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX"));
    setModal(true);
    temp_label_ = new QLabel(QStringLiteral("Enter the Maximum Temperature (C)"), this);
    max_temp_text_ = new QLineEdit(this);
    ok_button_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_button_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_button_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(temp_label_, 0, 0);
    grid->addWidget(ok_button_, 0, 1);
    grid->addWidget(max_temp_text_, 1, 0);
    grid->addWidget(cancel_button_, 1, 1);
    grid->setColumnMinimumWidth(0, 240);

    // Both buttons only hide the box; whoever opened it reads the text when
    // it was accepted.
    connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_button_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace calorix
