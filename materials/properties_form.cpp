#include "materials/properties_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "common/message_dialogs.h"
#include "common/number_text.h"

namespace calorix {

Properties_Form::Properties_Form(Material_Target target, QWidget* parent)
    : QDialog(parent), target_(std::move(target)) {
    setWindowTitle(QStringLiteral("CALORIX - Properties"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Choose a material:"), this);
    layout->addWidget(caption);

    Properties_Combo_Box = new QComboBox(this);
    Properties_Combo_Box->setPlaceholderText(QStringLiteral("Metal List"));
    Properties_Combo_Box->setMaxVisibleItems(20);
    Properties_Combo_Box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Properties_Combo_Box->setMinimumContentsLength(40);
    layout->addWidget(Properties_Combo_Box);

    // What OK will write, so the student sees the values before choosing.
    values_label_ = new QLabel(this);
    values_label_->setMinimumHeight(40);
    values_label_->setTextFormat(Qt::PlainText);
    layout->addWidget(values_label_);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    OKButton->setDefault(true);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &Properties_Form::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Properties_Form::CancelButton_Click);
    connect(Properties_Combo_Box, &QComboBox::currentIndexChanged, this,
            &Properties_Form::Show_Values);
    Show_Values(-1);
}

void Properties_Form::Fill_List() {
    if (Properties_Combo_Box->count() > 0) {
        return;
    }
    for (const Material& m : Material_Table()) {
        Properties_Combo_Box->addItem(QString::fromLatin1(m.Name));
    }
    // No material is chosen until the student picks one.
    Properties_Combo_Box->setCurrentIndex(-1);
}

void Properties_Form::Show_Values(int row) {
    if (row < 0 || row >= Material_Count) {
        values_label_->setText(QString());
        return;
    }
    const Material& m = Material_Table()[static_cast<std::size_t>(row)];
    const auto value = [](bool has, double v) {
        return has ? QString::fromStdString(General_Text(v)) : QStringLiteral("no value");
    };
    values_label_->setText(
        QStringLiteral("Conductivity (W/m.K) = %1\nThermal Diffusivity (m^2/s) = %2")
            .arg(value(m.Has_Conductivity(), m.Conductivity),
                 value(m.Has_Diffusivity(), m.Diffusivity)));
}

void Properties_Form::OKButton_Click() {
    const int row = Properties_Combo_Box->currentIndex();
    const Material_Choice choice = Choose_Material(row, target_.Selected_Kind());
    if (choice.Conductivity_Only) {
        Properties_Flag = 1;
    }
    target_.Write(choice);
    hide();
    if (Properties_Flag == 1) {
        Show_Calorix_Message(parentWidget(), QString::fromStdString(choice.Message));
    }
    Properties_Flag = 0;
}

void Properties_Form::CancelButton_Click() {
    hide();
}

}  // namespace calorix
