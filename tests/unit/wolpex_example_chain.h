// The example chain of the wolpex form (15 masses), indexed 1..16 like the form.
#pragma once

namespace wolpex_example {

inline void fill(double* inertia, double* stiffness) {
    const double j[] = {0.004,   0.001,  0.01,   0.01,   0.01,    0.01,   0.215, 0.00028,
                        0.00425, 0.0025, 0.0065, 0.0024, 0.00237, 0.1241, 4748,  0};
    const double ct[] = {20000, 90000, 450000, 450000, 450000, 500000, 1600, 9000,
                         60000, 9000,  9000,   54800,  700,    2900,   0,    15};
    inertia[0] = stiffness[0] = 0.0;
    for (int i = 1; i <= 16; ++i) {
        inertia[i] = j[i - 1];
        stiffness[i] = ct[i - 1];
    }
}

} // namespace wolpex_example
