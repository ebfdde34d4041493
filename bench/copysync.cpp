#include "copysync.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

void CopyWithSync(const std::string& From, const std::string& To) {
  const int In = ::open(From.c_str(), O_RDONLY);
  const int Out = ::open(To.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (In < 0 || Out < 0) throw std::runtime_error("cannot copy " + From);
  std::vector<char> Block(1 << 20);
  bool Ok = true;
  for (ssize_t N; Ok && (N = ::read(In, Block.data(), Block.size())) > 0;)
    Ok = ::write(Out, Block.data(), static_cast<std::size_t>(N)) == N;
  Ok = Ok && ::fdatasync(Out) == 0;
  ::close(In);
  if (::close(Out) != 0 || !Ok) throw std::runtime_error("cannot copy " + From);
}
