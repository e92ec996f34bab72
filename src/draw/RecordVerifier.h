#pragma once

#include <string>
#include <vector>

namespace lotavo {

// Replays a draw record against the list files and the results file of a program folder:
// for every press, the winners must follow from the recorded seed and position on the list
// as it then was, and the results file must hold exactly the recorded winners.
struct Verification {
    bool verified = false;
    int presses = 0;
    int winners = 0;
    std::vector<std::string> lines;  // what was found, in order (UTF-8); the last names a difference
};

Verification verifyRecord(const std::string& folder, const std::string& recordPath);

class RecordReplay;
// Reads a record and replays it line by line; false, with `failure` (UTF-8), at the first
// line that is torn from the chain or does not follow.
bool replayRecord(const std::string& recordPath, RecordReplay& replay, std::string& failure);

// The newest record in a folder (by modification time); empty when there is none.
std::string newestRecord(const std::string& folder);

}  // namespace lotavo
