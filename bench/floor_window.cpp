// The floor the program's start-up is measured against: a bare Qt Widgets window with the kinds of
// widgets the calculator window has (labels, one-line fields, push buttons, a painted area) in the
// same numbers, and a menu bar with the same menus and shortcuts. Nothing else: no framework, no
// designed layouts, no pictures or sound. Built a second time linked with Qt Multimedia, to tell
// what linking the audio stack costs at start-up.

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#ifdef BENCH_LINK_MULTIMEDIA
#include <QMediaDevices>
#endif

namespace {

class PaintedArea : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x10, 0x20, 0xC7));
        painter.setPen(Qt::white);
        painter.drawEllipse(rect().adjusted(8, 8, -8, -8));
    }
};

void AddMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu("&File");
    file->addAction("Quit", QKeySequence::Quit, qApp, &QApplication::quit);
    QMenu* edit = bar->addMenu("&Edit");
    edit->addAction("Undo", QKeySequence::Undo, [] {});
    edit->addSeparator();
    edit->addAction("Cut", QKeySequence::Cut, [] {});
    edit->addAction("Copy", QKeySequence::Copy, [] {});
    edit->addAction("Paste", QKeySequence::Paste, [] {});
    edit->addAction("Clear", QKeySequence::Delete, [] {});
    edit->addSeparator();
    edit->addAction("Select All", QKeySequence::SelectAll, [] {});
    QMenu* help = bar->addMenu("&Help");
    help->addAction("About", [] {});
    help->addAction("Visit Website", [] {});
}

QLabel* AddLabel(QWidget* parent, const char* text, int x, int y, int w, int h) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, h);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef BENCH_LINK_MULTIMEDIA
    // Only linked, never called: what the audio stack costs a program that merely links it.
    volatile auto keep = &QMediaDevices::defaultAudioOutput;
    (void)keep;
#endif
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Brenquill Floor");
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(&window);
    AddMenus(bar);
    layout->setMenuBar(bar);
    auto* content = new QWidget(&window);
    content->setFixedSize(638, 540);
    layout->addWidget(content);

    AddLabel(content, "Copyright Message Here", 39, 493, 560, 38);
    AddLabel(content, "Loan Amount $", 139, 161, 126, 20);
    AddLabel(content, "Term (in months)", 108, 193, 157, 20);
    AddLabel(content, "Interest Rate (APR)", 82, 225, 183, 20);
    AddLabel(content, "Loan Calculator", 214, 32, 339, 84);
    AddLabel(content, "Monthly Payment", 82, 271, 480, 37)->hide();
    AddLabel(content, "no commas", 389, 161, 204, 20);
    AddLabel(content, "%", 389, 225, 60, 20);
    AddLabel(content, "Total Interest", 82, 310, 480, 30)->hide();
    AddLabel(content, "Total Cost", 82, 345, 480, 30)->hide();
    for (int i = 0; i < 3; ++i) {
        auto* field = new QLineEdit(content);
        field->setGeometry(269, 162 + 32 * i, 118, 22);
    }
    const char* captions[] = {"Click to Visit Website", "Quit", "Calculate"};
    const int positions[][2] = {{117, 443}, {329, 443}, {269, 394}};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[i], content);
        button->setGeometry(positions[i][0], positions[i][1], i == 2 ? 80 : 173, 20);
    }
    auto* area = new PaintedArea(content);
    area->setGeometry(12, 13, 138, 128);

    window.show();
    return app.exec();
}
