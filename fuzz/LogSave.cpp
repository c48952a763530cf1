#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "Check.hpp"
#include "foundation/cDocLotes.hpp"
#include "oplog/LogErrosApi.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"

// The operation log filled with random texts (any bytes, not only valid UTF-8; keys that are not
// are refused), header names that repeat, line numbers with gaps and repeats, any doubles and lots, saved in either file
// encoding. Save never raises, and each Save appends exactly one record that begins with its
// rule of dashes.
namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
  static const fs::path path = [] {
    fs::path p = fs::temp_directory_path() / ("qvd-fuzz-log-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
  }();
  return path;
}

std::string fileText() {
  std::ifstream in(folder() / "OST_LOGNXTAPI.LOG", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A key may repeat one already added; a key or value that is not UTF-8 is refused as invalid.
void ignoreDuplicate(const std::function<void()>& add, std::initializer_list<std::string_view> texts) {
  try {
    add();
  } catch (const automation::AutomationError& e) {
    bool utf8 = std::all_of(texts.begin(), texts.end(), [](std::string_view t) { return automation::text::isUtf8(t); });
    require(e.number() == automation::errnum::DuplicateKey || (!utf8 && e.number() == automation::errnum::InvalidArgument),
            "an add failed otherwise than by a duplicate key or text that is not UTF-8");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  qvd::LogErrosApi::setFileEncoding(in.ConsumeBool() ? qvd::LogFileEncoding::Latin1 : qvd::LogFileEncoding::Utf8);
  qvd::LogErrosApi log;
  log.ErroTxt(in.ConsumeRandomLengthString(300));
  log.ErroModulo(in.ConsumeRandomLengthString(40));
  log.ErroRotina(in.ConsumeRandomLengthString(40));
  log.ErroOperacao(in.ConsumeRandomLengthString(40));
  log.ErroNum(in.ConsumeIntegral<int32_t>());
  for (int n = in.ConsumeIntegralInRange(0, 8); n > 0; --n) {
    std::string value = in.ConsumeRandomLengthString(30), name = in.ConsumeRandomLengthString(30);
    ignoreDuplicate([&] { log.HdrAdd(value, name); }, {value, name});
  }
  for (int n = in.ConsumeIntegralInRange(0, 12); n > 0; --n) {
    auto line = in.ConsumeIntegralInRange<int16_t>(-2, 14);
    std::string article = in.ConsumeRandomLengthString(20), name = in.ConsumeRandomLengthString(20);
    double price = in.ConsumeFloatingPoint<double>(), quantity = in.ConsumeFloatingPoint<double>();
    std::string warehouse = in.ConsumeRandomLengthString(8);
    ignoreDuplicate([&] { log.LinAdd(line, article, name, price, quantity, warehouse); }, {article, name, warehouse});
  }
  if (in.ConsumeBool()) {
    auto lots = std::make_shared<qvd::cDocLotes>();
    for (int n = in.ConsumeIntegralInRange(0, 3); n > 0; --n) {
      auto daLinha = std::make_shared<qvd::colLotes>();
      for (int k = in.ConsumeIntegralInRange(0, 3); k > 0; --k)
        daLinha->Add(in.ConsumeRandomLengthString(20), in.ConsumeFloatingPoint<double>(),
                     in.ConsumeRandomLengthString(20), in.ConsumeRandomLengthString(20));
      lots->SetLotesDaLinha(in.ConsumeIntegralInRange<int32_t>(-40000, 40000), daLinha);
    }
    log.Lotes(lots);
  }

  fs::remove(folder() / "OST_LOGNXTAPI.LOG");
  log.Save(folder().string());
  std::string once = fileText();
  require(once.rfind(std::string(120, '-') + "\r\n", 0) == 0, "a record that does not begin with its rule");
  log.Save(folder().string() + "/");
  std::string twice = fileText();
  require(twice.size() == 2 * once.size() && twice.compare(0, once.size(), once) == 0,
          "a second Save did not append one record of the same size");
  return 0;
}
