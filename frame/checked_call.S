// uintptr_t checkedCall(FARPROC fn, const uintptr_t* args, size_t count, intptr_t* stackDelta)
// Calls fn with the arguments and stores how far the stack pointer moved across the call:
// zero for a routine that keeps to its calling convention.
#ifdef __x86_64__
    .text
    .globl checkedCall
checkedCall:
    push %rbp
    mov %rsp, %rbp
    push %rsi
    push %rdi
    push %rbx
    push %r12
    mov %rcx, %r10
    mov %rdx, %rsi
    mov %r8, %rdi
    mov %r9, %rbx
    mov %rdi, %rax              // stack slots: at least the four register homes, kept even
    cmp $4, %rax
    jae 1f
    mov $4, %rax
1:  add $1, %rax
    and $-2, %rax
    shl $3, %rax
    sub %rax, %rsp
    xor %rcx, %rcx
2:  cmp %rdi, %rcx
    jae 3f
    mov (%rsi,%rcx,8), %rax
    mov %rax, (%rsp,%rcx,8)
    inc %rcx
    jmp 2b
3:  mov %rsp, %r12
    mov 0(%rsp), %rcx
    mov 8(%rsp), %rdx
    mov 16(%rsp), %r8
    mov 24(%rsp), %r9
    call *%r10
    mov %rsp, %rcx
    sub %r12, %rcx
    mov %rcx, (%rbx)
    lea -32(%rbp), %rsp
    pop %r12
    pop %rbx
    pop %rdi
    pop %rsi
    pop %rbp
    ret
#else
    .text
    .globl _checkedCall
_checkedCall:
    push %ebp
    mov %esp, %ebp
    push %esi
    push %edi
    push %ebx
    mov 12(%ebp), %esi
    mov 16(%ebp), %ecx
    mov %esp, %edi
    test %ecx, %ecx
    jz 2f
1:  push -4(%esi,%ecx,4)        // last argument first
    dec %ecx
    jnz 1b
2:  call *8(%ebp)
    mov %esp, %ecx
    sub %edi, %ecx
    mov 20(%ebp), %edx
    mov %ecx, (%edx)
    mov %edi, %esp
    pop %ebx
    pop %edi
    pop %esi
    pop %ebp
    ret
#endif
