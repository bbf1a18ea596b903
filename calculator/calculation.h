// The loan arithmetic of the calculator window, kept apart from the window so that it can be
// checked against exact values.
#pragma once

// What a loan costs: the equal monthly payment, the sum of all payments, and the part of that sum
// which is interest. None of them is rounded; rounding to cents is left to display.
struct LoanPayment {
    double payment;
    double total;
    double interest;
};

// The loan of `amount` dollars repaid in `months` equal monthly payments (a fraction of a month is
// used as it is) at `monthlyRate` (0.01 for 1 % a month).
// Precondition: all three are greater than zero; the window refuses any other input before calling.
LoanPayment ComputeLoanPayment(double amount, double months, double monthlyRate);
