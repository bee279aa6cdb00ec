// The matrices of the chain, imtql2 with pythag and transfer_sign, and the frequencies.
#include "chain.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "number_text.h"

namespace wolpex {

WorkSet::WorkSet(int mass_count)
    : n(mass_count), inv_sqrt_inertia(n * n + 1, 0.0), stiffness_matrix(n * n + 1, 0.0),
      mk_product(n * n + 1, 0.0), dynamic_matrix(n * n + 1, 0.0), eigenvalues(n + 1, 0.0),
      eigenvectors(n * n + 1, 0.0), offdiag(n + 1, 0.0), spring_rate(n + 1, 0.0),
      freq_work(n + 1, 0.0), mode_amplitude(n + 1, 0.0) {}

int truncate_count(double count) {
    if (std::isnan(count)) {
        return 0;
    }
    if (count >= 2147483648.0) {
        return INT_MAX;
    }
    if (count <= -2147483649.0) {
        return INT_MIN;
    }
    return static_cast<int>(count);
}

bool count_allowed(int mass_count) { return mass_count >= 1 && mass_count <= MAX_MASSES; }

namespace {

// C = A B, each element summed over k = 1..n in increasing order, starting from 0. The
// loops run k outside j so that a row of C is summed up all at once; every element still
// receives its products in the same order, so the sums are the same to the last bit.
void multiply(const WorkSet& w, const std::vector<double>& a, const std::vector<double>& b,
              std::vector<double>& c) {
    const int n = w.n;
    for (int i = 1; i <= n; ++i) {
        double* row = &c[w.at(i, 1)];
        for (int j = 0; j < n; ++j) {
            row[j] = 0.0;
        }
        for (int k = 1; k <= n; ++k) {
            const double aik = a[w.at(i, k)];
            const double* b_row = &b[w.at(k, 1)];
            for (int j = 0; j < n; ++j) {
                row[j] = row[j] + aik * b_row[j];
            }
        }
    }
}

bool all_finite(const std::vector<double>& values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace

void build_matrices(WorkSet& w, const double* inertia, const double* stiffness) {
    const int n = w.n;
    for (int i = 1; i <= n; ++i) {
        w.inv_sqrt_inertia[w.at(i, i)] = 1.0 / std::sqrt(inertia[i]);
    }
    for (int i = 1; i <= n - 1; ++i) {
        w.spring_rate[i] = stiffness[i];
    }
    // One mass has no spring: K is the single element 0.
    if (n > 1) {
        std::vector<double>& k = w.stiffness_matrix;
        const std::vector<double>& ct = w.spring_rate;
        k[w.at(1, 1)] = ct[1];
        k[w.at(1, 2)] = -ct[1];
        k[w.at(n, n - 1)] = -ct[n - 1];
        k[w.at(n, n)] = ct[n - 1];
        for (int i = 2; i <= n - 1; ++i) {
            k[w.at(i, i - 1)] = -ct[i - 1];
            k[w.at(i, i)] = ct[i - 1] + ct[i];
            k[w.at(i, i + 1)] = -ct[i];
        }
    }
    multiply(w, w.inv_sqrt_inertia, w.stiffness_matrix, w.mk_product);
    multiply(w, w.mk_product, w.inv_sqrt_inertia, w.dynamic_matrix);
    for (int i = 1; i <= n; ++i) {
        w.eigenvalues[i] = w.dynamic_matrix[w.at(i, i)];
        w.eigenvectors[w.at(i, i)] = 1.0;
    }
    w.offdiag[1] = 0.0;
    for (int i = 2; i <= n; ++i) {
        w.offdiag[i] = w.dynamic_matrix[w.at(i, i - 1)];
    }
}

std::string invalid_input_message(const WorkSet& w, const double* inertia,
                                  const double* stiffness) {
    if (all_finite(w.inv_sqrt_inertia) && all_finite(w.stiffness_matrix) &&
        all_finite(w.dynamic_matrix)) {
        return std::string();
    }
    for (int i = 1; i <= w.n; ++i) {
        if (inertia[i] == 0.0) {
            return number_text::format("Ungueltige Eingabe!\nJ%d muss groesser als 0 sein.", i);
        }
    }
    for (int i = 1; i <= w.n - 1; ++i) {
        if (!std::isfinite(stiffness[i])) {
            return number_text::format("Ungueltige Eingabe!\nct%d ist zu gross.", i);
        }
    }
    return "Ungueltige Eingabe!\nDie Werte der Kette sind zu gross oder zu klein.";
}

double pythag(double a, double b) {
    // Values that are not finite have no length to refine; the iteration below would never
    // meet its end test with them.
    if (std::isnan(a) || std::isnan(b)) {
        return NAN;
    }
    if (std::isinf(a) || std::isinf(b)) {
        return INFINITY;
    }
    const double abs_a = std::fabs(a);
    const double abs_b = std::fabs(b);
    double p = abs_a > abs_b ? abs_a : abs_b;
    if (p == 0.0) {
        return 0.0;
    }
    const double smaller = abs_a > abs_b ? abs_b : abs_a;
    double r = std::pow(smaller / p, 2.0);
    for (;;) {
        const double t = 4.0 + r;
        if (t == 4.0) {
            return p;
        }
        const double s = r / t;
        const double u = 1.0 + 2.0 * s;
        p = u * p;
        r = std::pow(s / u, 2.0) * r;
    }
}

double transfer_sign(double a, double b) { return b >= 0.0 ? std::fabs(a) : -std::fabs(a); }

namespace {

// imtql2 on d, e and the columns of Z, column(j) pointing at the n elements of column j.
template <typename Columns> int imtql2_columns(int n, double* d, double* e, Columns column) {
    for (int i = 2; i <= n; ++i) {
        e[i - 1] = e[i];
    }
    e[n] = 0.0;

    for (int l = 1; l <= n; ++l) {
        int j = 0;
        for (;;) {
            int m = l;
            for (; m < n; ++m) {
                const double tst1 = std::fabs(d[m]) + std::fabs(d[m + 1]);
                const double tst2 = tst1 + std::fabs(e[m]);
                if (tst2 == tst1) {
                    break;
                }
            }
            double p = d[l];
            if (m == l) {
                break;
            }
            if (j == 30) {
                return 1;
            }
            ++j;
            double g = (d[l + 1] - p) / (2.0 * e[l]);
            double r = pythag(g, 1.0);
            g = d[m] - p + e[l] / (g + transfer_sign(r, g));
            double sn = 1.0;
            double cs = 1.0;
            p = 0.0;
            bool underflow = false;
            for (int i = m - 1; i >= l; --i) {
                const double f = sn * e[i];
                const double b = cs * e[i];
                r = pythag(f, g);
                e[i + 1] = r;
                if (r == 0.0) {
                    // The rotation vanished: deflate and search again for the same l.
                    d[i + 1] = d[i + 1] - p;
                    e[m] = 0.0;
                    underflow = true;
                    break;
                }
                sn = f / r;
                cs = g / r;
                g = d[i + 1] - p;
                r = (d[i] - g) * sn + 2.0 * cs * b;
                p = sn * r;
                d[i + 1] = g + p;
                g = cs * r - b;
                double* zi = column(i);
                double* zi1 = column(i + 1);
                for (int k = 0; k < n; ++k) {
                    const double fk = zi1[k];
                    zi1[k] = sn * zi[k] + cs * fk;
                    zi[k] = cs * zi[k] - sn * fk;
                }
            }
            if (underflow) {
                continue;
            }
            d[l] = d[l] - p;
            e[l] = g;
            e[m] = 0.0;
        }
    }

    // Ascending order; among equal values the first one stays first.
    for (int i = 1; i <= n - 1; ++i) {
        int k = i;
        double p = d[i];
        for (int jj = i + 1; jj <= n; ++jj) {
            if (d[jj] < p) {
                k = jj;
                p = d[jj];
            }
        }
        if (k != i) {
            d[k] = d[i];
            d[i] = p;
            std::swap_ranges(column(i), column(i) + n, column(k));
        }
    }
    return 0;
}

} // namespace

int imtql2(int n, double* d, double* e, double* z) {
    if (n == 1) {
        return 0;
    }
    // The rotations work on columns of Z. They run on a transposed copy, in which a column
    // lies contiguous in memory; every element gets the same arithmetic as in place, and the
    // copy goes back into z at the end (also when the iteration gives up).
    std::vector<double> columns(static_cast<std::size_t>(n) * n);
    auto column = [&columns, n](int j) { return &columns[static_cast<std::size_t>(j - 1) * n]; };
    for (int row = 1; row <= n; ++row) {
        for (int j = 1; j <= n; ++j) {
            column(j)[row - 1] = z[(row - 1) * n + j];
        }
    }
    const int error = imtql2_columns(n, d, e, column);
    for (int row = 1; row <= n; ++row) {
        for (int j = 1; j <= n; ++j) {
            z[(row - 1) * n + j] = column(j)[row - 1];
        }
    }
    return error;
}

double frequency_hz(double eigenvalue) {
    double f = 0.0;
    if (eigenvalue > 0.0) {
        f = std::sqrt(eigenvalue) / (2.0 * PI);
    }
    if (f < 0.001) {
        f = 0.0;
    }
    return f;
}

AnalysisResult analyse(WorkSet& work, const double* inertia, const double* stiffness) {
    build_matrices(work, inertia, stiffness);
    std::string refusal = invalid_input_message(work, inertia, stiffness);
    if (!refusal.empty()) {
        return {Outcome::invalid_input, std::move(refusal)};
    }
    if (imtql2(work.n, work.eigenvalues.data(), work.offdiag.data(), work.eigenvectors.data()) !=
        0) {
        return {Outcome::not_converged, std::string()};
    }
    for (int i = 1; i <= work.n; ++i) {
        work.freq_work[i] = frequency_hz(work.eigenvalues[i]);
    }
    return {Outcome::completed, std::string()};
}

} // namespace wolpex
