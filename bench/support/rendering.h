// Measures repainting: the widget rendered into an image of its size once per iteration.
#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QWidget>

#include <functional>

// prepare (when given) runs before each rendering, inside the measurement: a control of
// ours is invalidated there, so that every rendering paints it anew.
inline void MeasureRendering(benchmark::State& state, QWidget& widget,
                             const std::function<void()>& prepare = {})
{
    QImage image(widget.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        if (prepare)
            prepare();
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
