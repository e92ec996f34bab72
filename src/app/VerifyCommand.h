#pragma once

namespace lotavo {

// lotavo-draw --verify DIR [RECORD]: replays a draw record against the folder's lists and
// results file. Exit status 0 when every press follows, 1 at the first difference.
int runVerify(int argc, char** argv);

}  // namespace lotavo
