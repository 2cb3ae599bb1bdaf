#include "verifyproc.h"

#include "verifyrun.h"

void VerifyAllProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::All).Execute();
}

void VerifySelectedProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::Selected).Execute();
}
