#include "export/json_file.h"

#include <ostream>
#include <streambuf>

#include "files/atomic_file.h"

namespace delvora {

namespace {

// An output stream buffer that hands everything to an AtomicFileWriter, so a document is
// streamed to the file without a second copy of its text in memory.
class AtomicFileBuffer final : public std::streambuf {
 public:
  explicit AtomicFileBuffer(AtomicFileWriter& file) : m_file(file) {}

 protected:
  std::streamsize xsputn(const char* data, std::streamsize count) override {
    return m_file.write(data, static_cast<std::size_t>(count)) ? count : 0;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return m_file.write(&byte, 1) ? c : traits_type::eof();
  }

 private:
  AtomicFileWriter& m_file;
};

}  // namespace

std::string writeJsonFile(const nlohmann::json& document, const std::string& path) {
  AtomicFileWriter file(path);
  if (file.open()) {
    AtomicFileBuffer buffer(file);
    std::ostream out(&buffer);
    out << document << '\n';
    if (out && file.commit()) return "";
  }
  const std::string reason = file.error().empty() ? "write failed" : file.error();
  return "Cannot write JSON file " + path + ": " + reason;
}

}  // namespace delvora
