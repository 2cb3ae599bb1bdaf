#pragma once

// The md5lanes mode of tallyfox_engine_throughput (argv[1] is "md5lanes").
int RunMd5LanesBench(int argc, char** argv);
