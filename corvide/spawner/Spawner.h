#pragma once

namespace corvide::spawner {

// What the spawner's exit code tells the workbench.
enum SpawnerExit {
    kToolRan = 0,        // the tool's exit code is in the shared word
    kSpawnerFailed = 1,  // bad arguments or descriptors, no process, word not stored
    kToolNotStarted = 2, // the tool could not be started
    kToolStopped = 3,    // the stop event fired and the tool's group was ended
};

// cvspawn STOP WORD COMMAND...
//   STOP: "0x%08lx", an inherited descriptor that becomes readable when the
//         build is to stop (also when its writer is gone);
//   WORD: "0x%08lx", an inherited descriptor of at least four bytes where
//         the tool's exit code is stored;
//   COMMAND: the rest of the arguments, joined by spaces, split again with
//         the quoting rules of a Windows command line.
// The tool runs in its own process group with the spawner's standard
// descriptors. The spawner stays until every process of that group has
// ended, so that a Stop Build can still end what the tool left running.
int runSpawner(int argc, char** argv);

} // namespace corvide::spawner
