#pragma once

#include "verifyjob.h"

// Worker routines: verify rows from the job's start index to the last row, or, from
// row 0, only the rows that are selected when the worker reaches them.
void VerifyAllProc(const VerifyJob& job);
void VerifySelectedProc(const VerifyJob& job);
