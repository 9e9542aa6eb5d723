#pragma once
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/ZebSession.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QAction>
#include <QtTest>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace zeb::test {

// A started ZEB whose message boxes answer from a script and record their texts.
struct SessionFixture {
    std::unique_ptr<views::ZebSession> s;
    std::vector<std::string> messages;
    std::deque<Answer> answers;
    int quits = 0;

    void start() {
        messages.clear();
        answers.clear();
        quits = 0;
        views::SessionOptions options;
        options.quit = [this] { ++quits; };
        options.probeSound = false;
        s = std::make_unique<views::ZebSession>(std::move(options));
        s->messageBoxes().setAnswerer(
            [this](Icon, Buttons, std::string_view, std::string_view text) {
                messages.emplace_back(text);
                if (answers.empty()) return Answer::Ok;
                const Answer a = answers.front();
                answers.pop_front();
                return a;
            });
        s->start();
    }

    views::MainWindow& mainWindow() { return s->mainWindow(); }
    template <typename W = QWidget> W* child(const QString& name) {
        W* w = mainWindow().findChild<W*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    views::FieldPanel* field(const char* kind, int a) {
        return child<views::FieldPanel>(QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(a));
    }
    QString text(const char* kind, int a) { return field(kind, a)->text(); }
    void trigger(const char* item) { mainWindow().action(QLatin1String(item))->trigger(); }
    void click(QWidget* w, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(w, Qt::LeftButton, mods);
    }
};

} // namespace zeb::test
