// One application object for the whole benchmark run, made before the first
// benchmark and destroyed after the last one, when every window a benchmark
// made is gone.  Two application objects, or one destroyed among the static
// objects at exit after the platform plugin, end the process with a crash.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication app(qt_argc, qt_argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
