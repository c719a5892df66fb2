#include "fourier_run.h"

#include "fourier_coefficients.h"
#include "fourier_input.h"

namespace lumora::fourier {
namespace {

// The bar step of each k: the coefficients go to the plot in single precision.
class BarStep final : public CoefficientSink {
  public:
    explicit BarStep(FourierGraphics& graphics) : graphics_(graphics) {}
    void take(std::int32_t k, double a_k, double b_k) override {
        graphics_.draw_bars(kUpperView, kLowerView, k, static_cast<float>(a_k),
                            static_cast<float>(b_k));
    }

  private:
    FourierGraphics& graphics_;
};

void report_input_failure(std::ostream& err, const InputFailure& failure) {
    // At the end of input the cursor still stands after the prompt.
    if (failure.end_of_input) err << '\n';
    err << "fourier: " << failure.reason << std::endl;
}

}  // namespace

int run_fourier(CharSource& in, std::ostream& out, std::ostream& err, FourierGraphics& graphics) {
    [[maybe_unused]] std::int32_t result = graphics.open();
    FourierInput input;
    if (const auto failure = read_fourier_input(in, out, input)) {
        report_input_failure(err, *failure);
        graphics.abandon();
        return kInputFailureStatus;
    }
    graphics.draw_frames(input.m, input.t, kUpperView, kLowerView);
    BarStep bars(graphics);
    compute_coefficients(input.n, input.m, input.dt, input.t, bars);
    result = graphics.end();
    return 0;
}

}  // namespace lumora::fourier
