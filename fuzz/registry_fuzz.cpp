// The player's registry values as any bytes of any length, with any step of the read failing:
// the player's path and the subtitle values read whole (the bytes up to the first NUL; a failed
// read gives nothing and, for the path, one message), and a subtitle value written back is never
// cut, is padded to 23 bytes when shorter, and reads and writes again as the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/launcher.h"
#include "persistence/player_registry.h"
#include "support/fake_platform.h"
#include "ui/options/frm_opt.h"

namespace {

std::optional<long> MaybeFailure(FuzzedDataProvider& in) {
  static constexpr long kFailures[] = {zorvik::kRegNotFound,
                                       zorvik::kRegAccessDenied,
                                       zorvik::kRegInvalidHandle,
                                       234,  // more data
                                       1,
                                       -1};
  if (!in.ConsumeBool()) return std::nullopt;
  return in.PickValueInArray(kFailures);
}

// What a read of the value gives when the query succeeds, or nothing when it fails.
std::optional<std::string> Expected(zorvik::test::FakePlatform& fake, const std::string& name) {
  if (!fake.keyExists || fake.failOpen || fake.failQuery) return std::nullopt;
  const auto it = fake.values.find(name);
  if (it == fake.values.end()) return std::nullopt;
  return fake.FromAnsi(it->second.substr(0, it->second.find('\0')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  zorvik::test::FakePlatform fake;
  fake.keyExists = in.ConsumeBool();
  fake.failOpen = MaybeFailure(in);
  fake.failQuery = MaybeFailure(in);
  fake.failClose = MaybeFailure(in);
  for (const char* name : {"Apppath", "SubD", "SubDir"}) {
    if (in.ConsumeBool()) fake.values[name] = in.ConsumeRandomLengthString(300);
  }
  const std::optional<std::string> path = Expected(fake, "Apppath");
  const std::optional<std::string> style = Expected(fake, "SubD");
  const std::optional<std::string> folder = Expected(fake, "SubDir");
  const bool pathFails = !path || fake.failClose;

  zorvik::Launcher l(fake);
  l.Start();
  zorvik::FrmOpt& o = l.Opt();
  size_t refused = 0;
  for (const zorvik::MessageBoxCall& box : fake.boxes) {
    refused += box.prompt == "Can't get registry access" ? 1 : 0;
  }
  if (refused != (pathFails ? 1u : 0u)) std::abort();
  if (o.TxtBSpath.Text() != (pathFails ? "" : *path)) std::abort();
  if (o.TxtSubs.Text() != style.value_or("")) std::abort();
  if (o.TxtSubPath.Text() != folder.value_or("")) std::abort();

  // Read and written back on a key that works: the whole text, padded to 23 bytes when shorter,
  // the same bytes each time.
  fake.keyExists = true;
  fake.failOpen = fake.failQuery = fake.failClose = std::nullopt;
  if (!fake.values.contains("SubD")) return 0;
  zorvik::ReadSubStyle(l);
  zorvik::WriteSubStyle(l);
  const std::string first = fake.values["SubD"];
  const size_t text = fake.ToAnsi(o.TxtSubs.Text()).size();
  if (first.size() != std::max(text, zorvik::kPlayerValueWriteBytes)) std::abort();
  zorvik::ReadSubStyle(l);
  zorvik::WriteSubStyle(l);
  if (fake.values["SubD"] != first) std::abort();
  return 0;
}
