! live_view: a travelling wave redrawn 400 times, as a simulation would show its state,
! in free-form Fortran with the module lumora: the program of examples/c/live_view.c.
! The frame and labels are drawn once; each step replaces only the curve (layer 1) inside
! a buffered frame. Every call is checked: a failed one ends the program with status 1.
program live_view
  use lumora
  implicit none
  integer, parameter :: n = 200, steps = 400
  real :: t(n), u(n), phase
  integer :: i, step, ir

  do i = 1, n
    t(i) = 10.0 * real(i - 1) / real(n - 1)
  end do
  call lu_open_window(ir, 0)
  call check(ir, 'lu_open_window')
  call lu_plot_frame(ir, 0.0, 10.0, -1.2, 1.2, 0)
  call check(ir, 'lu_plot_frame')
  call lu_plot_labels(ir, 'x', 'u(x, t)', 'a travelling wave')
  call check(ir, 'lu_plot_labels')
  do step = 0, steps - 1
    phase = 0.05 * real(step)
    u = sin(t - phase) * exp(-0.1 * t)
    call lu_plot_begin_frame(ir)
    call check(ir, 'lu_plot_begin_frame')
    call lu_plot_layer(ir, 1)
    call check(ir, 'lu_plot_layer')
    call lu_plot_line(ir, n, t, u)
    call check(ir, 'lu_plot_line')
    call lu_plot_layer(ir, 0)
    call check(ir, 'lu_plot_layer')
    call lu_plot_end_frame(ir)
    call check(ir, 'lu_plot_end_frame')
  end do
  call lu_quit(ir)

contains

  subroutine check(result, what)
    integer, intent(in) :: result
    character(len=*), intent(in) :: what
    if (result == 0) then
      write (0, '(a, a, a)') 'live_view: ', what, ' failed'
      stop 1
    end if
  end subroutine check

end program live_view
