// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Velnora's start-up: the least a Qt Widgets program can show,
// one window with one line edit and one button.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    layout->addWidget(new QPushButton(QStringLiteral("&Proceed"), &window));
    window.show();
    return app.exec();
}
