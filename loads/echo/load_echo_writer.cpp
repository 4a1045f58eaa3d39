#include "loads/echo/load_echo_writer.h"

namespace pundf {

void WriteLoadEchoCase(plat::TextWriter& /*file*/, const LoadModel& /*model*/, int /*number*/) {}

common::Result ReplaceLoadEchoCase(const LoadModel& /*model*/, int /*number*/, int /*following*/) {
  return common::Result::Ok();
}

}  // namespace pundf
