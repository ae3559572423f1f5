#include "shell/LinkDialogs.h"

#include "session/LinkPreferences.h"
#include "shell/DialogLayout.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The choices as the dialog shows them, in the order of LinkPreferences' names. The names of
// cables and calculators are the same in every language.
const char *const kCableTitles[] = {QT_TRANSLATE_NOOP("LinkDialogs", "Automatic (probe the USB cables)"), "SilverLink USB",
                                    "DirectLink USB (TI-89 Titanium)", QT_TRANSLATE_NOOP("LinkDialogs", "BlackLink serial"),
                                    "GrayLink", QT_TRANSLATE_NOOP("LinkDialogs", "Parallel"),
                                    QT_TRANSLATE_NOOP("LinkDialogs", "TiEmu emulator")};
const char *const kCalcTitles[] = {QT_TRANSLATE_NOOP("LinkDialogs", "Automatic"), "TI-89", "TI-89 Titanium", "TI-92",
                                   "TI-92 Plus", "Voyage 200"};

// A combo box of titles standing for names, the current name chosen (the first when it is
// none of them).
template <size_t N>
QComboBox *choices(const char *const (&titles)[N], const QStringList &names, const QString &current)
{
    auto *box = new QComboBox;
    for (size_t i = 0; i < N; ++i)
        box->addItem(QCoreApplication::translate("LinkDialogs", titles[i]), names[qsizetype(i)]);
    box->setCurrentIndex(std::max(0, box->findData(current)));
    return box;
}

// The keyboard goes back to the main window when the dialog closes, also where no window
// manager gives it back.
class KeyboardBack
{
public:
    explicit KeyboardBack(QWidget *window) : m_window(window) {}
    ~KeyboardBack()
    {
        if (m_window)
            m_window->activateWindow();
    }
    KeyboardBack(const KeyboardBack &) = delete;
    KeyboardBack &operator=(const KeyboardBack &) = delete;

private:
    QPointer<QWidget> m_window;
};

QSpinBox *spin(int from, int to, int value)
{
    auto *box = new QSpinBox;
    box->setRange(from, to);
    box->setValue(value);
    return box;
}
} // namespace

std::optional<LinkSettings> LinkDialogs::askLinkSettings(const LinkSettings &current)
{
    const KeyboardBack back(m_parent);
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Link Settings"));
    QComboBox *cable = choices(kCableTitles, LinkPreferences::kCables, current.cable);
    QSpinBox *port = spin(1, 4, current.port);
    QComboBox *calc = choices(kCalcTitles, LinkPreferences::kCalcs, current.calc);
    QSpinBox *timeout = spin(1, LinkPreferences::kMaxTimeoutSeconds, current.timeoutSeconds);
    timeout->setSuffix(tr(" seconds"));
    // The emulator's link is port 2 from our side: choosing it suggests that port.
    QObject::connect(cable, &QComboBox::activated, &dialog, [=] {
        if (cable->currentData().toString() == QStringLiteral("tiemu"))
            port->setValue(2);
    });
    auto *form = new QFormLayout;
    form->addRow(tr("&Cable:"), cable);
    form->addRow(tr("&Port:"), port);
    form->addRow(tr("C&alculator:"), calc);
    form->addRow(tr("&Timeout (each answer):"), timeout);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return LinkSettings{cable->currentData().toString(), port->value(), calc->currentData().toString(), timeout->value(), {}};
}

std::vector<int> LinkDialogs::choosePictures(const std::vector<CalculatorVariable> &pictures)
{
    const KeyboardBack back(m_parent);
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Receive from Calculator"));
    auto *list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection); // several go into a group file
    list->setHeaderLabels({tr("Picture"), tr("Size")});
    for (const CalculatorVariable &picture : pictures) {
        auto *item = new QTreeWidgetItem(list, {picture.folder + u'\\' + picture.name, tr("%1 bytes").arg(picture.size)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->setCurrentItem(list->topLevelItem(0));
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(tr("&Open which picture of the calculator? (Several chosen with Ctrl or Shift go "
                                "into a group file.)"));
    label->setWordWrap(true);
    label->setBuddy(list);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(okCancel(dialog));
    dialog.resize(360, 300);
    std::vector<int> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (QTreeWidgetItem *item : list->selectedItems())
        chosen.push_back(list->indexOfTopLevelItem(item));
    std::sort(chosen.begin(), chosen.end()); // in the calculator's order, however they were picked
    return chosen;
}

std::optional<bool> LinkDialogs::askCaptureFull(bool lastFull)
{
    const KeyboardBack back(m_parent);
    QDialog dialog(m_parent);
    dialog.setWindowTitle(tr("Capture Calculator Screen"));
    auto *shown = new QRadioButton(tr("What a TI-89 &shows (160 x 100)"));
    auto *full = new QRadioButton(tr("The &whole screen (240 x 128)"));
    (lastFull ? full : shown)->setChecked(true);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(shown);
    layout->addWidget(full);
    layout->addWidget(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return full->isChecked();
}
