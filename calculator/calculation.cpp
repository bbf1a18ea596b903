#include "calculator/calculation.h"

#include <cmath>

LoanPayment ComputeLoanPayment(double amount, double months, double monthlyRate) {
    // The textbook factor r / (1 - (1 + r)^-n) forms 1 + r, which keeps only the leading digits of
    // a tiny r: at 1e-12 % a year the payment is off by dollars, and once 1 + r rounds to 1 it
    // divides by zero. log1p and expm1 keep all of r, and agree with the textbook form to the cent
    // on ordinary loans.
    const double growth = std::log1p(monthlyRate);
    const double discount = std::expm1(-months * growth);  // (1 + r)^-n - 1
    const double factor = monthlyRate / -discount;
    const double payment = factor * amount;
    const double total = payment * months;
    const double interest = total - amount;
    return {payment, total, interest};
}
