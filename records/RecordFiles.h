#pragma once
// The records a batch writes, checked and started before its first line: a record that cannot be
// written would cost a message per line and leave nothing behind.
#include <string>

namespace tarvik {

// "" when the file can be appended to, or created in its folder (tried for real, then removed:
// permission bits do not tell, e.g. for root or on a read-only mount); otherwise one sentence naming
// the record, the file or folder and the reason. `what` is "result table" or "conversation log".
std::string WriteProblem(const std::string& what, const std::string& path);

// WriteProblem of each record switched on in the settings; "" when all can be written.
std::string RecordsProblem();

// Empties the result table for its header and creates the log if missing, each when switched on.
void StartRecords();

}  // namespace tarvik
