#include "about/help_about_form.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "about/calorix_icon.h"

namespace calorix {

namespace {

// Headings are set in bold; the lines under them are indented.
struct Help_Line {
    const char* Text;
    bool Heading;
};

const Help_Line Help_Text[18] = {
    {"CALORIX solves heat conduction problems by the finite-difference method. Choose the tab "
     "of the problem, type its parameters and boundary conditions, and press \"Calculate "
     "Temperature\".",
     false},
    {"File Menu:", true},
    {"Open - reads a problem file (*.clx) written earlier and fills all four tabs with it.", false},
    {"Save - writes all four tabs to the current problem file (output.clx at start).", false},
    {"Save As - writes all four tabs to a problem file chosen in a dialog.", false},
    {"Exit - ends CALORIX after asking you to confirm.", false},
    {"Properties Menu", true},
    {"Material Library - choose one of 147 metals, alloys, building materials and insulators. "
     "OK writes its thermal conductivity, and on the transient tabs its thermal diffusivity, "
     "into the tab on display.",
     false},
    {"Some materials have a conductivity only: you are told so, and the diffusivity box is "
     "set to 0 for you to fill in.",
     false},
    {"Tabular Output", true},
    {"The temperature of every node as a table: x locations (m) across, and y locations (m) "
     "or times (s) down.",
     false},
    {"\"Print Results To File\" writes the inputs and this table to a text report (*.out).", false},
    {"For a 2-D transient problem, pick the time of the table in the time list.", false},
    {"Graphical Output", true},
    {"1-D problems: a chart of temperature against location, or against time at a location "
     "you choose.",
     false},
    {"2-D problems: a shaded picture of the plate, red for hot and blue for cold, with its "
     "colour scale; the range of the colours can be fixed by hand.",
     false},
    {"2-D transient problems: step through the time levels with the slider and buttons, or "
     "play them as an animation.",
     false},
    {"Units: lengths in m (the grid size in cm), temperatures in C, time in s.", false},
};

}  // namespace

Help_About_Form::Help_About_Form(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("CALORIX Help"));
    Picture1 = new QLabel(this);
    Picture1->setPixmap(Calorix_Icon(72));
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(3);
    for (std::size_t i = 0; i < Label.size(); ++i) {
        QLabel* label = new QLabel(QString::fromLatin1(Help_Text[i].Text), this);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        if (Help_Text[i].Heading) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            text->addSpacing(8);
        } else if (i > 0) {
            label->setContentsMargins(16, 0, 0, 0);
        }
        Label[i] = label;
        text->addWidget(label);
    }
    text->addStretch();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    // The wrapped labels need the height that goes with the window's width;
    // a top-level window does not work that out by itself.
    constexpr int width = 600;
    setMinimumWidth(width);
    resize(width, std::max(minimumSizeHint().height(), heightForWidth(width)));
}

}  // namespace calorix
