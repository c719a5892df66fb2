// fourier: reads N and dt at the console and plots the Fourier coefficients of the test
// signal sin(0.1 * pi * t) sampled N times at interval dt.
#include <cstdio>
#include <iostream>

#include "char_source.h"
#include "fourier_run.h"
#include "spectrum_plot.h"

int main() {
    lumora::fourier::FileSource in(stdin);
    lumora::fourier::SpectrumPlot plot;
    return lumora::fourier::run_fourier(in, std::cout, std::cerr, plot);
}
