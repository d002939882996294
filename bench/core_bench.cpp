// How long the core takes for what a user waits on: the whole start-up, reading and writing the
// settings file, and routing one mouse move.
#include <benchmark/benchmark.h>

#include "core/launcher.h"
#include "persistence/settings_file.h"
#include "support/fake_platform.h"
#include "ui/main/frm_main.h"

namespace {

using zorvik::test::FakePlatform;

void QuietDisc(FakePlatform& fake) {
  fake.SetRegString("Apppath", "C:\\Program Files\\BSplayer\\bplay.exe");
  fake.AddFile("C:\\Program Files\\BSplayer\\bplay.exe", "", {2004, 3, 1});
  fake.AddFile("C:\\program files\\ffdshow\\ffdshow.ax");
  fake.AddFile("E:\\film.avi");
  fake.AddFile("E:\\More\\cover.jpg", "\xFF\xD8");
}

std::string SampleFile() {
  FakePlatform fake;
  QuietDisc(fake);
  zorvik::Launcher l(fake);
  l.Start();
  return zorvik::FormatSettings(zorvik::CaptureSettings(l));
}

void BM_StartUp(benchmark::State& state) {
  const std::string settings = SampleFile();
  for (auto _ : state) {
    FakePlatform fake;
    QuietDisc(fake);
    fake.AddFile("E:\\More\\Settings.sav", settings);
    zorvik::Launcher l(fake);
    l.Start();
    benchmark::DoNotOptimize(l.Ending());
  }
}
BENCHMARK(BM_StartUp);

void BM_ParseSettings(benchmark::State& state) {
  const std::string settings = SampleFile();
  for (auto _ : state)
    benchmark::DoNotOptimize(zorvik::ParseSettings(settings));
}
BENCHMARK(BM_ParseSettings);

void BM_FormatSettings(benchmark::State& state) {
  const zorvik::SettingsRecord r = *zorvik::ParseSettings(SampleFile());
  for (auto _ : state)
    benchmark::DoNotOptimize(zorvik::FormatSettings(r));
}
BENCHMARK(BM_FormatSettings);

void BM_MouseMoveOverPlay(benchmark::State& state) {
  FakePlatform fake;
  QuietDisc(fake);
  zorvik::Launcher l(fake);
  l.Start();
  zorvik::FrmMain& m = l.Main();
  int step = 0;
  for (auto _ : state) {
    // Alternate between the Play button and the panel so every move changes the looks.
    const int y = (++step & 1) ? 2000 : 1400;
    l.Dispatch([&] { m.MouseMove(0, 5100, y); });
  }
}
BENCHMARK(BM_MouseMoveOverPlay);

}  // namespace

BENCHMARK_MAIN();
