// unbalancedRoutine: returns without keeping to the calling convention of the checked call, so
// the stack pointer differs afterwards (it leaves the caller's arguments behind on 32-bit x86
// and takes eight bytes too many on x86-64).
#ifdef __x86_64__
    .text
    .globl unbalancedRoutine
unbalancedRoutine:
    xor %eax, %eax
    ret $8
#else
    .text
    .globl _unbalancedRoutine
_unbalancedRoutine:
    xor %eax, %eax
    ret
#endif
