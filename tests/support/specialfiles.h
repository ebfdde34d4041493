// Files that are not regular files, for tests that must refuse them.
#pragma once

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

// Makes a FIFO and a bound socket in Folder and returns their paths with the
// endless device /dev/zero; the socket stays bound while the process runs.
inline std::vector<std::string> MakeSpecialFiles(const std::string& Folder) {
  const std::string Fifo = Folder + "/fifo.jsb", Socket = Folder + "/socket.jsb";
  mkfifo(Fifo.c_str(), 0600);
  sockaddr_un Address{};
  Address.sun_family = AF_UNIX;
  std::strncpy(Address.sun_path, Socket.c_str(), sizeof Address.sun_path - 1);
  const int Fd = socket(AF_UNIX, SOCK_STREAM, 0);
  bind(Fd, reinterpret_cast<const sockaddr*>(&Address), sizeof Address);
  return {Fifo, Socket, "/dev/zero"};
}
