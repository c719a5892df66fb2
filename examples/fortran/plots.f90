! plots: a page of four plots with the plotting layer, in free-form Fortran with the
! module lumora.
!
! Upper left sin and cos with a legend, upper right power-law data on log axes with error
! bars, lower left a histogram of pseudo-random numbers, lower right a scatter plot with
! markers: the page of examples/c/plots.c. Every call is checked: a failed one ends the
! program with status 1.
program plots
  use lumora
  implicit none
  integer :: ir
  integer(8) :: seed = 12345

  call lu_open_window(ir, 0)
  call check(ir, 'lu_open_window')
  call lu_plot_subpages(ir, 2, 2)
  call check(ir, 'lu_plot_subpages')
  call sin_cos()
  call power_law()
  call histogram()
  call scatter()
  call lu_quit(ir)

contains

  ! Roughly normal numbers: the sum of four uniforms from a fixed seed.
  double precision function gauss()
    integer :: k
    gauss = 0
    do k = 1, 4
      seed = mod(seed * 1103515245_8 + 12345_8, 2147483648_8)
      gauss = gauss + dble(seed) / 2147483648.0d0
    end do
    gauss = (gauss - 2) * 1.7320508d0
  end function gauss

  subroutine sin_cos()
    integer, parameter :: n = 101
    real :: x(n), s(n), c(n)
    integer :: i
    do i = 1, n
      x(i) = 6.2831853 * real(i - 1) / real(n - 1)
    end do
    s = sin(x)
    c = cos(x)
    call lu_plot_frame(ir, 0.0, 6.2831853, -1.2, 1.2, LU_PLOT_AXES)
    call check(ir, 'lu_plot_frame')
    call lu_plot_labels(ir, 'x', 'y', 'sin x and cos x')
    call lu_plot_next_colour(ir)
    call lu_plot_line(ir, n, x, s)
    call check(ir, 'lu_plot_line')
    call lu_plot_legend_entry(ir, 'sin x', -1, 0, 0)
    call lu_plot_next_colour(ir)
    call lu_plot_line(ir, n, x, c)
    call check(ir, 'lu_plot_line')
    call lu_plot_legend_entry(ir, 'cos x', -1, 0, 0)
    call lu_plot_legend(ir, 4)
    call check(ir, 'lu_plot_legend')
  end subroutine sin_cos

  subroutine power_law()
    integer, parameter :: n = 9
    double precision :: x(n), y(n), low(n), high(n), fx(2), fy(2)
    integer :: i
    do i = 1, n
      x(i) = 10.0d0**(0.3d0 * i)
      y(i) = 50.0d0 * x(i)**(-1.5d0) * (1.0d0 + 0.15d0 * gauss())
    end do
    low = 0.7d0 * y
    high = 1.3d0 * y
    fx = [1.0d0, 1000.0d0]
    fy = 50.0d0 * fx**(-1.5d0)
    call lu_plot_frame(ir, 1.0, 1000.0, 1.0e-4, 100.0, LU_PLOT_LOG_X + LU_PLOT_LOG_Y)
    call check(ir, 'lu_plot_frame')
    call lu_plot_labels(ir, 'frequency', 'power', 'A power law, log-log')
    call lu_plot_next_colour(ir)
    call lu_plot_line_d(ir, 2, fx, fy)
    call check(ir, 'lu_plot_line_d')
    call lu_plot_next_colour(ir)
    call lu_plot_error_y_d(ir, n, x, low, high)
    call check(ir, 'lu_plot_error_y_d')
    call lu_plot_points_d(ir, n, x, y, 13)
    call check(ir, 'lu_plot_points_d')
  end subroutine power_law

  subroutine histogram()
    integer, parameter :: n = 2000
    real :: v(n)
    integer :: i
    do i = 1, n
      v(i) = real(gauss())
    end do
    call lu_plot_histogram(ir, n, v, -4.0, 4.0, 32, LU_PLOT_HIST_FRAME + LU_PLOT_HIST_FILLED)
    call check(ir, 'lu_plot_histogram')
    call lu_plot_labels(ir, 'value', 'count', '2000 pseudo-random numbers')
  end subroutine histogram

  subroutine scatter()
    integer, parameter :: n = 60
    real :: x(n), y(n)
    integer :: i, k, mark
    real :: dx, dy
    call lu_plot_frame(ir, -3.0, 3.0, -3.0, 3.0, LU_PLOT_GRID)
    call check(ir, 'lu_plot_frame')
    call lu_plot_labels(ir, 'x', 'y', 'Two clouds')
    do k = 1, 2
      dx = merge(-1.0, 1.0, k == 1)
      dy = merge(0.8, -0.8, k == 1)
      mark = merge(3, 16, k == 1)
      do i = 1, n
        x(i) = real(0.6d0 * gauss()) + dx
        y(i) = real(0.6d0 * gauss()) + dy
      end do
      call lu_plot_next_colour(ir)
      call lu_plot_points(ir, n, x, y, mark)
      call check(ir, 'lu_plot_points')
      call lu_plot_legend_entry(ir, trim(merge('first ', 'second', k == 1)), -1, -1, mark)
    end do
    call lu_plot_legend(ir, 1)
    call check(ir, 'lu_plot_legend')
  end subroutine scatter

  ! Ends the program with status 1 when a call returned 0.
  subroutine check(result, what)
    integer, intent(in) :: result
    character(len=*), intent(in) :: what
    if (result /= 0) return
    write (*, '(3a)') 'plots: ', what, ' failed'
    stop 1
  end subroutine check

end program plots
