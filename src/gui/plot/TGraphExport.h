#pragma once
// "Зберегти графік як..." and "Друк...": the graph as a PNG, SVG or PDF file of a chosen size, and on paper
// through the print preview. Both draw the picture anew with the graph window's render path (TGr::
// DrawPicture), so they show what the window shows, at any resolution.
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class QAction;
class QPrinter;
class QWidget;
class TGr;
class TPictureSizeDlg;

class TGraphExport : public QObject {
    Q_OBJECT
public:
    TGraphExport(TGr& gr, QWidget* window);

    // The menu items, for the main window's "Файл".
    QAction* SaveGraphItem() const { return m_saveGraphItem; }
    QAction* PrintItem() const { return m_printItem; }
    TPictureSizeDlg* SizeDlg() const { return m_sizeDlg; }

    // "Зберегти графік як...": the size dialog, then the file (its ending gives the format, and a name ending
    // otherwise becomes a PNG picture), the program's question before replacing a file, the picture, and
    // "Помилка запису у файл!" when it cannot be written. False when the user gave up or nothing was
    // written.
    bool SaveGraphAs();
    // Writes the picture at that size; false (after the error box) when it cannot be written.
    bool SavePicture(const QString& path, QSize size);
    // "Друк...": the print preview, from which the user prints.
    void Print();
    // The graph on the printer's page: at the graph window's proportions, as large as the page allows,
    // centred; landscape pages for a wide graph are the caller's choice.
    void PrintOn(QPrinter& printer);

    // Asks for the picture's file name; tests replace it. By default the file dialog.
    std::function<QString()> ChooseFile;

private:
    QString DialogFile();

    TGr& m_gr;
    QWidget* m_window;
    QAction* m_saveGraphItem = nullptr;
    QAction* m_printItem = nullptr;
    TPictureSizeDlg* m_sizeDlg = nullptr;
    QString m_lastDir;
};
