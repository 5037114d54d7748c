#include "output/remembered_choices.h"

#include <QCheckBox>
#include <QSettings>
#include <QString>

namespace calorix {

namespace {
// Named here rather than taken from the application, so that every build of
// the program finds the same choices.
const QString Organisation = QStringLiteral("CALORIX");
const QString Application = QStringLiteral("CALORIX");
}  // namespace

void Remember_Check_Box(QCheckBox* box, const QString& key) {
    {
        const QSettings choices(Organisation, Application);
        box->setChecked(choices.value(key, false).toBool());
    }
    QObject::connect(box, &QCheckBox::toggled, box, [key](bool on) {
        QSettings choices(Organisation, Application);
        choices.setValue(key, on);
    });
}

}  // namespace calorix
