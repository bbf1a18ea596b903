// The calculator's response to the Return key, measured inside the process: the program starts as
// it does for a user (on the X server of $DISPLAY, or offscreen when there is none), the
// loan-amount field gets the focus, and Return is typed into it with the amount alternating
// between two values, so that every calculation changes the three result labels.
//   handler: from the Return key press to the three labels holding their new texts (the key
//            handler runs synchronously; the first calculation also loads and starts the sound)
//   painted: the same plus a synchronous repaint of the whole window
// Lives beside the program's executable so that it finds the bundle's resources and audio module
// the same way.
//
// Usage: bench_response [LATER_CALCULATIONS]   (default 200)
// Prints: first_ms=... first_painted_ms=... later_median_ms=... later_p90_ms=...
//         later_painted_median_ms=...

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

QString LabelText(const fw::Label& label) {
    return qobject_cast<QLabel*>(label.impl().widget.data())->text();
}

struct Timing {
    double handler;
    double painted;
};

// One calculation: sets the amount (outside the timing), types Return, checks that the payment
// label changed.
Timing Calculate(WinMain& w, QLineEdit* amount, QWidget* frame, const QString& value) {
    amount->setText(value);
    const QString before = LabelText(w.lbl_MonthlyPayment());
    const Clock::time_point start = Clock::now();
    QTest::keyClick(amount, Qt::Key_Return);
    const Clock::time_point updated = Clock::now();
    frame->repaint();
    const Clock::time_point painted = Clock::now();
    if (LabelText(w.lbl_MonthlyPayment()) == before) {
        std::fprintf(stderr, "bench_response: Return left the payment label as it was\n");
        std::exit(1);
    }
    QCoreApplication::processEvents();
    return {Ms(updated - start), Ms(painted - start)};
}

}  // namespace

int main(int argc, char** argv) {
    const int later = argc > 1 ? std::atoi(argv[1]) : 200;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    EarlyStartup();
    fw::RunFrameworkInitialization(&LateStartup);

    WinMain& w = WinMain::Instance();
    QWidget* frame = w.impl().frame.get();
    auto* amount = qobject_cast<QLineEdit*>(w.txt_loanamount().impl().widget.data());
    frame->activateWindow();
    if (!QTest::qWaitForWindowExposed(frame) || !QTest::qWaitForWindowActive(frame)) {
        std::fprintf(stderr, "bench_response: the calculator window never became active\n");
        return 1;
    }
    amount->setFocus(Qt::OtherFocusReason);
    QTest::qWait(50);

    const Timing first = Calculate(w, amount, frame, QStringLiteral("120000"));
    std::vector<double> handler;
    std::vector<double> painted;
    for (int i = 0; i < later; ++i) {
        const Timing t =
            Calculate(w, amount, frame, i % 2 == 0 ? QStringLiteral("100000") : "120000");
        handler.push_back(t.handler);
        painted.push_back(t.painted);
    }
    std::printf(
        "first_ms=%.3f first_painted_ms=%.3f later_median_ms=%.3f later_p90_ms=%.3f "
        "later_painted_median_ms=%.3f\n",
        first.handler, first.painted, Percentile(handler, 0.5), Percentile(handler, 0.9),
        Percentile(painted, 0.5));
    fw::RuntimePerformFinalizers();
    return 0;
}
