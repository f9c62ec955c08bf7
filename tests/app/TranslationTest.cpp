// SPDX-License-Identifier: MIT
// The main window speaks the language of the system's locale: German from the program's
// catalogue and Qt's own, English (the source texts) for the C locale. In every language each
// window's texts fit their controls.
#include "app/CommandTable.h"
#include "app/Translations.h"
#include "link/LinkError.h"
#include "remote/CRemoteControlDlg.h"
#include "tests/app/MainFrameFixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {
struct Language
{
    const char *locale;
    QStringList menus;
    QString ready;
    QString saveFailed;
    QString cancel; // Qt's own standard button
    QString onePageSaved;
};

class MainWindowLanguage : public MainFrameFixture, public ::testing::WithParamInterface<Language>
{};

TEST_P(MainWindowLanguage, MenusStatusAndMessagesFollowTheLocale)
{
    const Translations translations{QLocale(QString::fromLatin1(GetParam().locale))};
    makeFrame();
    QStringList menus;
    for (int position = 0; frame->topMenu(position); ++position)
        menus << frame->topMenu(position)->title();
    EXPECT_EQ(menus, GetParam().menus);
    EXPECT_EQ(message(), GetParam().ready);
    frame->link().ShowLinkError(int(LinkError::SaveFailed));
    ASSERT_FALSE(presenter.shown.empty());
    EXPECT_EQ(presenter.shown.back().text, GetParam().saveFailed + QStringLiteral("\n\n"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), GetParam().cancel);
    EXPECT_EQ(QCoreApplication::translate("PdfCommands", "%n pages saved in %1.", nullptr, 1),
              GetParam().onePageSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, MainWindowLanguage,
    ::testing::Values(Language{"de_DE",
                               {"&Datei", "&Bearbeiten", "&Fernbedienung", "&Zoom", "&Hilfe"},
                               QString::fromUtf8("Bereit"),
                               QString::fromUtf8("Das Bild konnte nicht gespeichert werden."),
                               QStringLiteral("Abbrechen"),
                               QStringLiteral("1 Seite in %1 gespeichert.")},
                      Language{"C",
                               {"&File", "&Edit", "&Remote control", "&Zoom", "&Help"},
                               QStringLiteral("Ready !"),
                               QStringLiteral("Failed to save the image."),
                               QStringLiteral("Cancel"),
                               QStringLiteral("1 page saved in %1.")}),
    [](const auto &info) { return info.index == 0 ? "German" : "C"; });
QString withoutMnemonic(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(u'&');
}

// What a text needs of its widget's width: a label its widest line, without the blanks that
// pad a pane's text (and without its mnemonic's marker when it names a buddy, as it is drawn); a
// push button its text and the style's margins (the style's smallest button is wider than some of
// the dialogs' fixed buttons, and that clips nothing); a radio button what its size hint says.
int neededWidth(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        int widest = 0;
        const QString text = label->buddy() ? withoutMnemonic(label->text()) : label->text();
        for (const QString &line : text.split(u'\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line.trimmed()));
        return widest + label->width() - label->contentsRect().width() + 2 * label->margin() +
               std::max(label->indent(), 0);
    }
    if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        const QStyle *style = button->style();
        return button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text())) +
               style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    return widget.sizeHint().width();
}

// Every shown text of a window that does not fit its widget, with what it needs and has.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    auto report = [&](const QString &text, int needed, int has) {
        clipped << QStringLiteral("%1: \"%2\" needs %3, has %4")
                       .arg(window.metaObject()->className(), text)
                       .arg(needed)
                       .arg(has);
    };
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                report(label->text(), needed, label->height());
        } else if (neededWidth(*label) > label->width()) {
            report(label->text(), neededWidth(*label), label->width());
        }
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(&window) && !button->text().isEmpty() &&
            neededWidth(*button) > button->width())
            report(button->text(), neededWidth(*button), button->width());
    }
    if (const auto *frame = qobject_cast<const CMainFrame *>(&window)) {
        // The message pane is what the permanent panes leave of the bar.
        const QStatusBar *bar = frame->statusBar();
        int left = bar->width();
        for (const QWidget *pane : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (pane->isVisible() && pane->x() > 0)
                left = std::min(left, pane->x());
        const int needed = bar->fontMetrics().horizontalAdvance(bar->currentMessage());
        if (needed > left)
            report(bar->currentMessage(), needed, left);
    }
    return clipped;
}

// The texts among a menu's items, the menu bar's titles or a dialog's controls that share their
// mnemonic letter: Alt and the letter would reach only the first.
QStringList repeatedMnemonics(const QStringList &texts)
{
    QStringList repeated;
    QHash<QChar, QString> seen;
    for (const QString &text : texts) {
        const QString plain = QString(text).replace(QLatin1String("&&"), QString());
        const qsizetype amp = plain.indexOf(u'&');
        if (amp < 0 || amp + 1 >= plain.size())
            continue;
        const QChar letter = plain.at(amp + 1).toLower();
        if (seen.contains(letter))
            repeated << seen[letter] + QStringLiteral(" / ") + text;
        else
            seen.insert(letter, text);
    }
    return repeated;
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList all;
    for (const QAction *action : actions)
        all << action->text();
    return all;
}

QStringList texts(const QWidget &window)
{
    QStringList all;
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        all << button->text();
    for (const QLabel *label : window.findChildren<QLabel *>())
        all << label->text();
    return all;
}

// QUILLON_SHOT_DIR names a folder for a person to look at each window in each language.
void saveShot(const QImage &image, const QString &language, const char *window)
{
    const QString folder = qEnvironmentVariable("QUILLON_SHOT_DIR");
    if (!folder.isEmpty())
        image.save(QStringLiteral("%1/%2-%3.png").arg(folder, language, QLatin1String(window)));
}

// The main window with its Edit menu open, as one picture.
QImage frameWithMenuOpen(CMainFrame &frame)
{
    QMenu *menu = frame.topMenu(1);
    const QRect title = frame.menuBar()->actionGeometry(menu->menuAction());
    menu->popup(frame.menuBar()->mapToGlobal(title.bottomLeft()));
    QImage image = frame.grab().toImage();
    if (QTest::qWaitForWindowExposed(menu)) {
        QPainter painter(&image);
        painter.drawPixmap(menu->pos() - frame.mapToGlobal(QPoint(0, 0)), menu->grab());
    }
    menu->hide();
    return image;
}

class WindowsInLanguage : public MainFrameFixture,
                          public ::testing::WithParamInterface<const char *>
{};

// Where a dialog's fixed layout cannot hold a translation, the translation is the one to shorten.
// Each menu's mnemonics stay distinct in the translation.
TEST_P(WindowsInLanguage, ShowEveryTextWhole)
{
    const QString language = QString::fromLatin1(GetParam());
    const Translations translations{QLocale(language)};
    makeFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->view().OnInitialUpdate();
    frame->view().OnCapture();
    frame->commandAction(CommandId::AddPage)->trigger();
    frame->commandAction(CommandId::AddPage)->trigger();
    QCoreApplication::processEvents(); // the bar lays out the page count's new width
    QStringList clipped = clippedTexts(*frame);
    QStringList repeated = repeatedMnemonics(texts(frame->menuBar()->actions()));
    for (int position = 0; frame->topMenu(position); ++position)
        repeated << repeatedMnemonics(texts(frame->topMenu(position)->actions()));
    saveShot(frameWithMenuOpen(*frame), language, "main");

    const struct
    {
        quint16 command;
        const char *name;
    } dialogs[] = {{CommandId::JpegSetting, "jpeg"},
                   {CommandId::Sharpness, "sharpness"},
                   {CommandId::GammaCorrection, "gamma"},
                   {CommandId::ShowPages, "pages"},
                   {CommandId::AppAbout, "about"}};
    for (const auto &dialog : dialogs) {
        QAction *action = frame->commandAction(dialog.command);
        ASSERT_TRUE(action->isEnabled()) << dialog.name;
        bool shown = false;
        QTimer::singleShot(0, frame.get(), [&] {
            if (auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                shown = true;
                clipped << clippedTexts(*window);
                repeated << repeatedMnemonics(texts(*window));
                saveShot(window->grab().toImage(), language, dialog.name);
                window->reject();
            }
        });
        action->trigger();
        EXPECT_TRUE(shown) << dialog.name;
    }

    frame->view().OnShowRemoteControl();
    const QWidgetList windows = QApplication::topLevelWidgets();
    auto panel = std::find_if(windows.begin(), windows.end(), [](QWidget *window) {
        return qobject_cast<CRemoteControlDlg *>(window) && window->isVisible();
    });
    ASSERT_NE(panel, windows.end());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(*panel));
    clipped << clippedTexts(**panel);
    saveShot((*panel)->grab().toImage(), language, "remote");
    frame->view().OnHideRemoteControl();

    EXPECT_EQ(clipped.join(u'\n').toStdString(), "");
    EXPECT_EQ(repeated.join(u'\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowsInLanguage,
                         ::testing::Values("C", "de", "es", "fr", "it", "nl", "pl", "pt_BR"),
                         [](const auto &info) { return std::string(info.param); });
} // namespace
