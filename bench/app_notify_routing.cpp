// What routing one notification of the main layout costs: a plain name, a
// numbered name found by its prefix, a name found by its leading text, and a
// name that reaches nothing (every slider drag and key click pays this).
#include <benchmark/benchmark.h>

#include "app/MainWnd.h"

namespace {

void Route(benchmark::State& state, const char* type, const char* sender) {
    app::CMainWnd wnd;
    const app::CNotifyRouter& router = wnd.Router();
    for (auto _ : state) {
        benchmark::DoNotOptimize(router.Find(type, sender));
    }
}

void BM_RoutePlainName(benchmark::State& state) {
    Route(state, "click", "macro_btn_deleteall");
}
void BM_RouteNumberedName(benchmark::State& state) {
    Route(state, "click", "key_127");
}
void BM_RouteLeadingText(benchmark::State& state) {
    Route(state, "msenter", "tolvarms_key_7");
}
void BM_RouteMiss(benchmark::State& state) {
    Route(state, "valuechanged", "some_unrouted_slider_3");
}

BENCHMARK(BM_RoutePlainName);
BENCHMARK(BM_RouteNumberedName);
BENCHMARK(BM_RouteLeadingText);
BENCHMARK(BM_RouteMiss);

}  // namespace
