#pragma once
// "Частотна таблиця": the frequency table of a sample, shown beside the other windows and kept on top.
#include <QDialog>

#include <string>
#include <vector>

class QTableWidget;

class TSView : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 25310;
    static constexpr int Columns = 5;

    explicit TSView(QWidget* parent = nullptr);

    // The first row is the header; the others fill the grid below it.
    void Fill(const std::vector<std::vector<std::string>>& rows);
    QTableWidget* Grid() const { return m_grid; }

private:
    QTableWidget* m_grid = nullptr;
};
