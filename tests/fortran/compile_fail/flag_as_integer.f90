! expect: no specific subroutine|Type mismatch
! The flag of lu_quit_with_flag is LOGICAL.
program flag_as_integer
  use lumora
  implicit none
  integer :: ir
  call lu_quit_with_flag(ir, 1)
end program flag_as_integer
