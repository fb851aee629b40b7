#pragma once
// Plays the user of the modal entry dialogs (FuInput, NerDlg, RngInput, BrokLongIn) and of the error boxes
// they show: each step runs from inside the event loop of the dialog it acts on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <memory>
#include <ostream>

// Failures show texts, not code units.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Runs step on the modal dialog that is up once the caller's next event loop runs.
inline void OnNextModal(std::function<void(QDialog*)> step) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog is up";
            return;
        }
        step(dialog);
    });
}

// Runs press (a click or key that confirms dlg) and answers the error box it brings up. Returns the box's
// text; empty when no box came.
inline QString ErrorFrom(QDialog* dlg, const std::function<void()>& press) {
    auto text = std::make_shared<QString>();
    auto pending = std::make_shared<bool>(true);
    QTimer::singleShot(0, [dlg, text, pending] {
        if (!*pending) return;
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || box == dlg) return;
        QStringList lines;
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (!label->text().isEmpty()) lines << label->text();
        *text = lines.join('\n');
        box->done(QDialog::Accepted);
    });
    press();
    *pending = false;
    return *text;
}
