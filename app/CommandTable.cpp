// SPDX-License-Identifier: MIT
#include "app/CommandTable.h"

#include "app/CMainFrame.h"
#include "app/PdfCommands.h"
#include "imaging/ZoomArithmetic.h"
#include "view/CQuillon2View.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {
bool always(const CommandContext &)
{
    return true;
}
bool withImage(const CommandContext &c)
{
    return c.hasImage;
}
bool whenReady(const CommandContext &c)
{
    return c.cameraReady;
}
bool panelOpen(const CommandContext &c)
{
    return c.remotePanelOpen;
}
bool panelClosed(const CommandContext &c)
{
    return !c.remotePanelOpen;
}
bool withPages(const CommandContext &c)
{
    return c.pageCount > 0 && !c.pdfBusy;
}

using namespace CommandId;

// Ctrl+[ zooms in and Ctrl+] zooms out, as on every earlier release. Many keyboards reach [ and ]
// only with AltGr, so the usual Ctrl+plus (or =), Ctrl+minus and Ctrl+0 do the same.
const std::array<CommandRow, 24> Commands{{
    {FileSave, QT_TRANSLATE_NOOP("CommandTable", "&Save..."),
     QT_TRANSLATE_NOOP("CommandTable", "Save the image.\nSave"), "Ctrl+S", 0,
     [](CMainFrame &f) { f.view().OnFileSave(); }, withImage, nullptr},
    {FilePrint, QT_TRANSLATE_NOOP("CommandTable", "&Print..."),
     QT_TRANSLATE_NOOP("CommandTable", "Print the image.\nPrint"), "Ctrl+P", -1,
     [](CMainFrame &f) { f.view().OnFilePrint(); }, withImage, nullptr},
    {EditCopy, QT_TRANSLATE_NOOP("CommandTable", "&Copy"),
     QT_TRANSLATE_NOOP("CommandTable", "Copy the image to the clipboard.\nCopy"), "Ctrl+C", -1,
     [](CMainFrame &f) { f.view().OnEditCopy(); }, withImage, nullptr},
    {FileOpen, nullptr, nullptr, "Ctrl+O", -1, [](CMainFrame &f) { f.OnFileOpen(); }, always,
     nullptr},
    // Its mnemonic is not Print's.
    {SavePdf, QT_TRANSLATE_NOOP("CommandTable", "Save &as PDF..."),
     QT_TRANSLATE_NOOP("CommandTable", "Save the pages as one searchable PDF.\nSave as PDF"),
     nullptr, -1, [](CMainFrame &f) { f.pdf().savePdf(); }, withPages, nullptr},
    {AddPage, QT_TRANSLATE_NOOP("CommandTable", "&Add page"),
     QT_TRANSLATE_NOOP("CommandTable", "Add the picture as shown as a page of the PDF.\nAdd page"),
     "Ctrl+D", 2, [](CMainFrame &f) { f.pdf().addPage(); },
     [](const CommandContext &c) { return c.hasImage && !c.pdfBusy; }, nullptr},
    {EditAndAddPage, QT_TRANSLATE_NOOP("CommandTable", "&Edit and add page..."),
     QT_TRANSLATE_NOOP("CommandTable", "Place the sheet's corners on the picture by hand, then "
                                       "add it as a page of the PDF.\nEdit and add page"),
     "Ctrl+E", -1, [](CMainFrame &f) { f.pdf().editAndAddPage(); },
     [](const CommandContext &c) { return c.hasImage && !c.pdfBusy; }, nullptr},
    // One key per page of a stack; F9 is what a foot pedal is easily set to type.
    {ScanPage, QT_TRANSLATE_NOOP("CommandTable", "Capture and a&dd page"),
     QT_TRANSLATE_NOOP(
         "CommandTable",
         "Capture a new image and add it as a page of the PDF.\nCapture and add page"),
     "Ctrl+Shift+D; F9", -1, [](CMainFrame &f) { f.scanPage(); },
     [](const CommandContext &c) { return c.cameraReady && !c.pdfBusy; }, nullptr},
    {ShowPages, QT_TRANSLATE_NOOP("CommandTable", "&Pages..."),
     QT_TRANSLATE_NOOP("CommandTable", "See, reorder and remove the pages of the PDF.\nPages"),
     nullptr, -1, [](CMainFrame &f) { f.pdf().showPages(); }, withPages, nullptr},
    {RecognitionLanguages, QT_TRANSLATE_NOOP("CommandTable", "&Recognition languages..."),
     QT_TRANSLATE_NOOP(
         "CommandTable",
         "Choose the languages the text of the pages is read in.\nRecognition languages"),
     nullptr, -1, [](CMainFrame &f) { f.pdf().chooseLanguages(); }, always, nullptr},
    {Capture, QT_TRANSLATE_NOOP("CommandTable", "&Capture"),
     QT_TRANSLATE_NOOP("CommandTable", "Capture a new image from the main unit.\nCapture"), "Alt+C",
     1, [](CMainFrame &f) { f.view().OnCapture(); }, whenReady, nullptr},
    {JpegSetting, QT_TRANSLATE_NOOP("CommandTable", "&JPEG Setting..."),
     QT_TRANSLATE_NOOP("CommandTable", "Setting of JPEG compression.\nJPEG Setting"), nullptr, -1,
     [](CMainFrame &f) { f.view().OnJpegSetting(); }, always, nullptr},
    {AppExit, QT_TRANSLATE_NOOP("CommandTable", "E&xit"),
     QT_TRANSLATE_NOOP("CommandTable", "Quit the application.\nExit"), "Alt+F4; Ctrl+Q", 6,
     [](CMainFrame &f) { f.close(); }, always, nullptr},
    {Sharpness, QT_TRANSLATE_NOOP("CommandTable", "&Sharpness..."),
     QT_TRANSLATE_NOOP("CommandTable", "Setting of sharpness.\nSharpness"), nullptr, -1,
     [](CMainFrame &f) { f.view().OnSharpness(); }, withImage, nullptr},
    {GammaCorrection, QT_TRANSLATE_NOOP("CommandTable", "&Gamma correction..."),
     QT_TRANSLATE_NOOP("CommandTable", "Setting of gamma correction.\nGamma correction"), nullptr,
     -1, [](CMainFrame &f) { f.view().OnGammaCorrection(); }, withImage, nullptr},
    // Ctrl+R reaches whichever of Show and Hide is enabled (never both), as the tool bar's toggle
    // would.
    {ShowRemoteControl, QT_TRANSLATE_NOOP("CommandTable", "&Show the RC"),
     QT_TRANSLATE_NOOP("CommandTable", "Show the remote control.\nShow the RC"), "Ctrl+R", -1,
     [](CMainFrame &f) { f.view().OnShowRemoteControl(); },
     [](const CommandContext &c) { return c.cameraReady && !c.remotePanelOpen; }, panelOpen},
    {HideRemoteControl, QT_TRANSLATE_NOOP("CommandTable", "&Hide the RC"),
     QT_TRANSLATE_NOOP("CommandTable", "Hide the remote control.\nHide the RC"), "Ctrl+R", -1,
     [](CMainFrame &f) { f.view().OnHideRemoteControl(); },
     [](const CommandContext &c) { return c.cameraReady && c.remotePanelOpen; }, panelClosed},
    {ToggleRemoteControl, nullptr,
     QT_TRANSLATE_NOOP("CommandTable", "Show or hide the remote control.\nShow/Hide the RC"),
     nullptr, 3, [](CMainFrame &f) { f.view().OnToggleRemoteControl(); }, whenReady, panelOpen},
    {ZoomIn, QT_TRANSLATE_NOOP("CommandTable", "Zoom &In"),
     QT_TRANSLATE_NOOP("CommandTable", "Zoom in.\nZoom in"), "Ctrl+[; Ctrl++; Ctrl+=", 4,
     [](CMainFrame &f) { f.view().OnZoomIn(); }, withImage, nullptr},
    {ZoomOut, QT_TRANSLATE_NOOP("CommandTable", "Zoom &Out"),
     QT_TRANSLATE_NOOP("CommandTable", "Zoom out.\nZoom out"), "Ctrl+]; Ctrl+-", 5,
     [](CMainFrame &f) { f.view().OnZoomOut(); },
     [](const CommandContext &c) {
         return c.hasImage && ZoomArithmetic::canZoomOut(c.zoomPercent);
     },
     nullptr},
    {BestFit, QT_TRANSLATE_NOOP("CommandTable", "Best &Fit"),
     QT_TRANSLATE_NOOP("CommandTable", "Adjust the image to fit the window.\nBest Fit"), nullptr,
     -1, [](CMainFrame &f) { f.view().OnBestFit(); }, withImage, nullptr},
    {ActualSize, QT_TRANSLATE_NOOP("CommandTable", "&Actual Size"),
     QT_TRANSLATE_NOOP("CommandTable", "Adjust the image to its original size.\nActual Size"),
     "Ctrl+0", -1, [](CMainFrame &f) { f.view().OnActualSize(); }, withImage, nullptr},
    {ToggleOpenMode, nullptr, nullptr, "Ctrl+Alt+Ins", -1,
     [](CMainFrame &f) { f.view().OnToggleOpenMode(); }, always, nullptr},
    {AppAbout, QT_TRANSLATE_NOOP("CommandTable", "&About Quillon for USB..."),
     QT_TRANSLATE_NOOP("CommandTable",
                       "Display program information, version number and copyright.\nAbout"),
     nullptr, -1, [](CMainFrame &f) { f.OnAppAbout(); }, always, nullptr},
}};

constexpr std::array<quint16, 9> FileMenu{FileSave, SavePdf,     Capture, 0,      FilePrint,
                                          0,        JpegSetting, 0,       AppExit};
constexpr std::array<quint16, 10> EditMenu{
    EditCopy,       0,        Sharpness, GammaCorrection,     0, AddPage,
    EditAndAddPage, ScanPage, ShowPages, RecognitionLanguages};
constexpr std::array<quint16, 2> RemoteMenu{ShowRemoteControl, HideRemoteControl};
constexpr std::array<quint16, 5> ZoomMenu{ZoomIn, ZoomOut, 0, BestFit, ActualSize};
constexpr std::array<quint16, 1> HelpMenu{AppAbout};

const std::array<MenuDescription, 5> MenuBar{{
    {QT_TRANSLATE_NOOP("CommandTable", "&File"), FileMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Edit"), EditMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Remote control"), RemoteMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Zoom"), ZoomMenu},
    {QT_TRANSLATE_NOOP("CommandTable", "&Help"), HelpMenu},
}};

constexpr std::array<quint16, 9> ToolBar{FileSave, Capture, AddPage, 0,      ToggleRemoteControl,
                                         ZoomIn,   ZoomOut, 0,       AppExit};

QString promptPart(const CommandRow &row, bool toolTip)
{
    if (!row.prompt)
        return {};
    const QString prompt = QCoreApplication::translate("CommandTable", row.prompt);
    const qsizetype newline = prompt.indexOf(u'\n');
    if (newline < 0)
        return toolTip ? QString() : prompt;
    return toolTip ? prompt.mid(newline + 1) : prompt.left(newline);
}
} // namespace

std::span<const CommandRow> commandTable()
{
    return Commands;
}

const CommandRow *findCommand(quint16 id)
{
    auto row = std::find_if(Commands.begin(), Commands.end(),
                            [id](const CommandRow &r) { return r.id == id; });
    return row == Commands.end() ? nullptr : &*row;
}

std::span<const MenuDescription> menuBarLayout()
{
    return MenuBar;
}

std::span<const quint16> toolBarLayout()
{
    return ToolBar;
}

QString commandName(const CommandRow &row)
{
    return row.menuText ? QCoreApplication::translate("CommandTable", row.menuText)
                        : promptToolTip(row);
}

QString menuTitle(const MenuDescription &menu)
{
    return QCoreApplication::translate("CommandTable", menu.title);
}

QString promptMessage(const CommandRow &row)
{
    return promptPart(row, false);
}

QString promptToolTip(const CommandRow &row)
{
    return promptPart(row, true);
}
