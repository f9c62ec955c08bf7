// SPDX-License-Identifier: MIT
#include "app/RecognitionLanguagesDialog.h"

#include "document/LanguagePacks.h"
#include "document/TesseractRecognizer.h"
#include "store/SettingsStore.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int PackRole = Qt::UserRole;
} // namespace

RecognitionLanguagesDialog::RecognitionLanguagesDialog(const QStringList &installed,
                                                       const QString &choice, QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Recognition languages"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(installed.isEmpty()
                                 ? tr("No language pack is installed: install %1 to make PDFs "
                                      "searchable.")
                                       .arg(LanguagePacks::debianPackage(
                                           RecognitionLanguage::forLocale(QLocale::system())))
                                 : tr("The &languages the text of the pages is in:"),
                             this);
    label->setWordWrap(true);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);

    const QStringList chosen = choice.split(u'+', Qt::SkipEmptyParts);
    std::vector<std::pair<QString, QString>> named;
    for (const QString &pack : installed)
        named.emplace_back(LanguagePacks::displayName(pack), pack);
    std::sort(named.begin(), named.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto &[name, pack] : named) {
        auto *item = new QListWidgetItem(name, m_list);
        item->setData(PackRole, pack);
        item->setToolTip(LanguagePacks::debianPackage(pack));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(chosen.contains(pack) ? Qt::Checked : Qt::Unchecked);
    }
    connect(m_list, &QListWidget::itemChanged, this, &RecognitionLanguagesDialog::updateButtons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateButtons();
}

QString RecognitionLanguagesDialog::choice() const
{
    QStringList packs;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->checkState() == Qt::Checked)
            packs << m_list->item(row)->data(PackRole).toString();
    return packs.join(u'+');
}

void RecognitionLanguagesDialog::updateButtons()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!choice().isEmpty());
}

QString RecognitionLanguagesDialog::storedChoice(const SettingsStore &settings)
{
    return LanguagePacks::choiceOrDefault(settings.recognitionLanguages(), QLocale::system(),
                                          LanguagePacks::installed());
}

void RecognitionLanguagesDialog::ask(const SettingsStore &settings, QWidget *parent)
{
    RecognitionLanguagesDialog dialog(LanguagePacks::installed(), storedChoice(settings), parent);
    if (dialog.exec() == QDialog::Accepted)
        settings.setRecognitionLanguages(dialog.choice());
}
